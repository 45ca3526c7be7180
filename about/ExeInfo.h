#pragma once

// TExeInfo: reads a program file's version information (its ten strings) and tells the
// computer's name, the operating system's name, the system folders and its own version.
// A non-visual part of the window that owns it: created and freed with that window.

#include <QObject>
#include <QString>

#include <cstdint>

class TExeInfo : public QObject {
    Q_OBJECT

public:
    // Starts every version string as "Updated at run-time", then reads the running
    // program's file.
    explicit TExeInfo(QObject* Owner);

    // Fills the ten strings from FileName's version information. A file without any
    // leaves them as they are; a string the information lacks becomes empty.
    void ReadVersionInfo(const QString& FileName);

    virtual std::uint32_t VersionNumber() const;
    virtual void ReadExeVersionInfo();
    virtual QString GetComputerName() const;
    // Renames the computer; whether the system allowed it is not reported.
    virtual void SetComputerName(const QString& Name);
    virtual QString GetOSName() const;

    QString CompanyName() const { return FCompanyName; }
    QString FileDescription() const { return FFileDescription; }
    QString FileVersion() const { return FFileVersion; }
    QString InternalName() const { return FInternalName; }
    QString LegalCopyright() const { return FLegalCopyright; }
    QString LegalTradeMark() const { return FLegalTradeMark; }
    QString OriginalFileName() const { return FOriginalFileName; }
    QString ProductName() const { return FProductName; }
    QString ProductVersion() const { return FProductVersion; }
    QString Comments() const { return FComments; }

    QString ComputerName() const { return GetComputerName(); }
    QString OSName() const { return GetOSName(); }
    QString WindowsDir() const;
    QString SystemDir() const;
    QString TempDir() const;
    QString Version() const;

private:
    QString FCompanyName;
    QString FFileDescription;
    QString FFileVersion;
    QString FInternalName;
    QString FLegalCopyright;
    QString FLegalTradeMark;
    QString FOriginalFileName;
    QString FProductName;
    QString FProductVersion;
    QString FComments;
};
