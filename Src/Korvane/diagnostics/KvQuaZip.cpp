#include "KvQuaZip.h"

#include "IKvBaseLog.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <zlib.h>

namespace {

constexpr qint64 kBlockSize = 256 * 1024;

// False when the archive itself failed; `added` tells whether the file went in.
bool addFile(QuaZip &zip, const QString &path, int level, bool &added)
{
    added = false;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly)) {
        KV_LOG_INFO("zip: %s left out: %s", KV_CSTR(path), KV_CSTR(source.errorString()));
        return true;
    }
    const QFileInfo info(path);
    QuaZipNewInfo entry(info.fileName(), path);
    entry.dateTime = info.lastModified();
    QuaZipFile target(&zip);
    if (!target.open(QIODevice::WriteOnly, entry, nullptr, 0, Z_DEFLATED, level > 0 ? level : Z_DEFAULT_COMPRESSION)) {
        KV_LOG_ERROR("zip: cannot add %s (%d)", KV_CSTR(path), zip.getZipError());
        return false;
    }
    QByteArray block;
    while (!source.atEnd()) {
        block = source.read(kBlockSize);
        if (block.isEmpty() && source.error() != QFileDevice::NoError)
            break;
        if (target.write(block) != block.size()) {
            KV_LOG_ERROR("zip: cannot write %s into the archive", KV_CSTR(path));
            return false;
        }
    }
    target.close();
    if (target.getZipError() != ZIP_OK) {
        KV_LOG_ERROR("zip: cannot finish %s (%d)", KV_CSTR(path), target.getZipError());
        return false;
    }
    added = true;
    return true;
}

// The archive file as a sequential device that digests what goes through
// it. Being sequential makes the zip writer put each entry's sizes and
// checksum after its data instead of going back to its header.
class DigestingFile : public QIODevice
{
public:
    explicit DigestingFile(const QString &path)
        : m_file(path)
        , m_hash(QCryptographicHash::Md5)
    {
    }
    bool isSequential() const override { return true; }
    bool open(OpenMode mode) override
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            setErrorString(m_file.errorString());
            return false;
        }
        return QIODevice::open(mode & ~QIODevice::ReadOnly);
    }
    void close() override
    {
        QIODevice::close();
        m_file.close();
    }
    QByteArray digest() const { return m_hash.result(); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 written = m_file.write(data, size);
        if (written > 0)
            m_hash.addData(data, int(written));
        if (written < 0)
            setErrorString(m_file.errorString());
        return written;
    }

private:
    QFile m_file;
    QCryptographicHash m_hash;
};

} // namespace

bool KvQuaZip::compressFiles(const QString &archive, const QStringList &files, int level, QByteArray *md5)
{
    DigestingFile output(archive);
    QuaZip zip(&output);
    // Archives of more than 4 GiB stay readable.
    zip.setZip64Enabled(true);
    if (!zip.open(QuaZip::mdCreate)) {
        KV_LOG_ERROR("zip: cannot create %s (%d)", KV_CSTR(archive), zip.getZipError());
        return false;
    }
    bool ok = true;
    int added = 0;
    for (const QString &file : files) {
        bool fileAdded = false;
        ok = addFile(zip, file, level, fileAdded);
        if (!ok)
            break;
        added += fileAdded ? 1 : 0;
    }
    zip.close();
    if (zip.getZipError() != ZIP_OK) {
        KV_LOG_ERROR("zip: cannot close %s (%d)", KV_CSTR(archive), zip.getZipError());
        ok = false;
    }
    if (!ok || added == 0) {
        QFile::remove(archive);
        return false;
    }
    if (md5)
        *md5 = output.digest();
    return true;
}
