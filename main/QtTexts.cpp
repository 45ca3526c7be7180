#include "main/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadChineseQtTexts(QCoreApplication& Application) {
    auto* Translator = new QTranslator(&Application);
    if (!Translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete Translator;
        return false;
    }
    return QCoreApplication::installTranslator(Translator);
}
