#pragma once

#include <QString>

#include <functional>

class QWidget;

// The editor's file choosers. They go through here rather than straight to
// QFileDialog so that tests (and front ends without a screen) can answer
// them.
class KvFileDialog
{
public:
    // (title, start folder) -> the answer; empty means cancelled.
    using DirectoryAnswerer = std::function<QString(const QString &title, const QString &startFolder)>;

    // The chosen folder as the dialog gives it, empty when cancelled.
    static QString getExistingDirectory(QWidget *parent, const QString &title, const QString &startFolder);

    // Empty restores the dialog. GUI thread only.
    static void setDirectoryAnswerer(DirectoryAnswerer answerer);
};
