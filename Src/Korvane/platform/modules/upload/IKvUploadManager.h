#pragma once

#include <QObject>

// Uploads files to the maker's storage (diagnostic logs). Created at start so
// that its settings are read once; uploads come with the log retrieval work.
class IKvUploadManager : public QObject
{
    Q_OBJECT

public:
    static IKvUploadManager *getInstance();
    static void releaseInstance();

private:
    IKvUploadManager();
};
