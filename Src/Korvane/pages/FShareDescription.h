#pragma once

#include <QString>

class QIODevice;

// The description file of a shared project ("-share:<file>"): an XML
// document whose root holds "share_id", "file_name" and "tags/assertion"
// (the kind of what is shared). The file comes from outside, so it is read
// with a plain stream reader that refuses any document type declaration or
// entity reference: nothing in it can make the editor fetch or read
// anything else.
struct FShareDescription
{
    enum Kind {
        Project = 0,
        ProjectArchive = 1,
        ProjectTemplate = 2,
    };
    enum ReadResult {
        Ok,
        CannotOpen,
        Refused,   // a DOCTYPE or an entity reference
        Malformed, // not well-formed XML
    };

    QString shareId;
    QString fileName;
    // The decimal kind code as written; kind() interprets it.
    QString assertion;

    // -1 when the code is missing or not a number.
    int kind() const;

    // `why` receives a line for the log when the result is not Ok.
    static ReadResult read(const QString &file, FShareDescription *description, QString *why);
    static ReadResult parse(QIODevice &device, FShareDescription *description, QString *why);
};
