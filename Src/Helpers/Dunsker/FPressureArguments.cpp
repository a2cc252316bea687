#include "FPressureArguments.h"

#include <QHash>

namespace {

QString dropFileScheme(const QString &value)
{
    static const QString scheme = QStringLiteral("file:/");
    return value.startsWith(scheme) ? value.mid(scheme.size()) : value;
}

class Reader
{
public:
    Reader(const QStringList &values, const QString &option, QString &error)
        : m_values(values), m_option(option), m_error(error) {}

    QString text(int i) { return m_values.value(i); }

    int integer(int i, int min, int max)
    {
        bool ok = false;
        const int v = m_values.value(i).toInt(&ok);
        if (!ok || v < min || v > max)
            bad(i);
        return v;
    }

    double real(int i)
    {
        bool ok = false;
        const double v = m_values.value(i).toDouble(&ok);
        if (!ok || !qIsFinite(v))
            bad(i);
        return v;
    }

private:
    void bad(int i)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("bad value \"%1\" in %2").arg(m_values.value(i), m_option);
    }

    const QStringList &m_values;
    const QString &m_option;
    QString &m_error;
};

} // namespace

bool FPressureArguments::parse(const QStringList &args, QString &error)
{
    static const QHash<QString, int> counts = {
        {QStringLiteral("--gpu"), 1},    {QStringLiteral("--result"), 3},    {QStringLiteral("--memio"), 2},
        {QStringLiteral("--decode"), 5}, {QStringLiteral("--encode"), 8},    {QStringLiteral("--transform"), 7},
        {QStringLiteral("--image"), 1},  {QStringLiteral("--resize"), 4}};

    error.clear();
    QHash<QString, QStringList> groups;
    for (int i = 0; i < args.size();) {
        const QString &option = args[i];
        const int count = counts.value(option, -1);
        if (count < 0) {
            error = QStringLiteral("unknown argument \"%1\"").arg(option);
            return false;
        }
        if (i + count >= args.size()) {
            error = QStringLiteral("%1 needs %2 values").arg(option).arg(count);
            return false;
        }
        groups.insert(option, args.mid(i + 1, count));
        i += 1 + count;
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (!groups.contains(it.key())) {
            error = QStringLiteral("%1 is missing").arg(it.key());
            return false;
        }
    }

    const QString gpuOption = QStringLiteral("--gpu");
    Reader gpuValues(groups[gpuOption], gpuOption, error);
    gpu = gpuValues.integer(0, 0, 255);

    const QString resultOption = QStringLiteral("--result");
    Reader result(groups[resultOption], resultOption, error);
    iterations = result.integer(0, 1, MaxIterations);
    resultPath = result.text(1);
    writeResult = result.integer(2, 0, 1) == 1;

    const QString memioOption = QStringLiteral("--memio");
    Reader memio(groups[memioOption], memioOption, error);
    memioWidth = memio.integer(0, 1, MaxSide);
    memioHeight = memio.integer(1, 1, MaxSide);

    const QString decodeOption = QStringLiteral("--decode");
    Reader decode(groups[decodeOption], decodeOption, error);
    videoPath = dropFileScheme(decode.text(0));
    decode.integer(1, 0, 255);
    videoWidth = decode.integer(2, 1, MaxSide);
    videoHeight = decode.integer(3, 1, MaxSide);
    videoFps = decode.real(4);

    const QString encodeOption = QStringLiteral("--encode");
    Reader encode(groups[encodeOption], encodeOption, error);
    encodeTarget = dropFileScheme(encode.text(0));
    encode.integer(1, 1, MaxSide);
    encode.integer(2, 1, MaxSide);

    const QString transformOption = QStringLiteral("--transform");
    Reader transform(groups[transformOption], transformOption, error);
    transformWidth = transform.integer(0, 8, MaxSide);
    transformHeight = transform.integer(1, 8, MaxSide);
    scaleX = transform.real(2);
    scaleY = transform.real(3);
    translateX = transform.real(4);
    translateY = transform.real(5);
    degrees = transform.real(6);

    const QString imageOption = QStringLiteral("--image");
    picturePath = dropFileScheme(groups[imageOption].value(0));

    const QString resizeOption = QStringLiteral("--resize");
    Reader resize(groups[resizeOption], resizeOption, error);
    resize.integer(0, 1, MaxSide);
    resize.integer(1, 1, MaxSide);
    resizeFactor = resize.integer(3, 1, 16);

    if (error.isEmpty() && qint64(memioWidth) * memioHeight > MaxFramePixels)
        error = QStringLiteral("--memio frame larger than %1 pixels").arg(MaxFramePixels);
    if (error.isEmpty() && qint64(transformWidth) * transformHeight > MaxFramePixels)
        error = QStringLiteral("--transform frame larger than %1 pixels").arg(MaxFramePixels);
    if (error.isEmpty() && (qAbs(scaleX) < 1e-3 || qAbs(scaleY) < 1e-3))
        error = QStringLiteral("--transform scale too small");
    if (error.isEmpty() && (resultPath.isEmpty() || videoPath.isEmpty() || picturePath.isEmpty() || encodeTarget.isEmpty()))
        error = QStringLiteral("an empty path");
    return error.isEmpty();
}
