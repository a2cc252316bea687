#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

// Opens what a "-share:<description file>" launch names: a shared project or
// project archive is downloaded beside the description file and opened, a
// shared project template is downloaded into the user's template folder and
// located in the media library (or only located when it is already there).
// The downloads themselves belong to the cloud storage presenter; this class
// decides what to fetch and where, and shows the user the cloud storage view.
class FSharedProjectOpener : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<QWidget *()> currentPage;
        // The media library's locate step for a template item.
        std::function<void(const QString &item)> locateTemplate;
    };

    enum Outcome {
        Ignored,       // not a share argument, or the editor is busy
        Unreadable,    // the description cannot be opened or is refused
        Started,       // a download runs
        NotStarted,    // the storage refused the download (the user was told)
        Located,       // the template is here already
        NothingToFetch // an unknown kind
    };
    Q_ENUM(Outcome)

    static constexpr const char *kSharePrefix = "-share:";
    // The media library's template group: downloaded templates live in a
    // folder of this name in the user's media folder.
    static constexpr const char *kTemplateGroupName = "ProjectTemplate";
    static constexpr const char *kTemplatePackageSuffix = ".tkpt";

    explicit FSharedProjectOpener(Hooks hooks);

    Outcome handle(const QString &argument);
    // The description file being handled; forgotten once a template download
    // has been handed over.
    QString descriptionFile() const { return m_descriptionFile; }
    static QString templateFolder();
    // `name` with what a file name cannot hold (separators among them)
    // replaced, and no leading dots.
    static QString safeName(const QString &name);

private:
    Outcome fetch(const QString &file);
    void bringForward();

    Hooks m_hooks;
    QString m_descriptionFile;
};
