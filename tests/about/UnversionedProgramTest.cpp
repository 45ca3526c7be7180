// This program carries no version information of its own.

#include "about/ExeInfo.h"
#include "about/UAbout.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(UnversionedProgram, KeepsThePlaceholderEverywhere) {
    const QString Placeholder = QStringLiteral("Updated at run-time");
    TfrmAbout Window;
    for (QLabel* Label :
         {Window.lblVersion, Window.lblProductName, Window.lblDevolper, Window.lblWebSite}) {
        EXPECT_EQ(Label->text(), Placeholder);
    }
    const TExeInfo& Info = *Window.ExeInfo1;
    for (const QString& Text :
         {Info.CompanyName(), Info.FileDescription(), Info.FileVersion(), Info.InternalName(),
          Info.LegalCopyright(), Info.LegalTradeMark(), Info.OriginalFileName(), Info.ProductName(),
          Info.ProductVersion(), Info.Comments()}) {
        EXPECT_EQ(Text, Placeholder);
    }
}

} // namespace
