#pragma once

#include <QObject>
#include <QStringList>

// The optional "what do you make videos for" question. Answers are kept as
// one JSON line in the log folder, beside the tracking events, and asked at
// most once per user.
class FUserDetailCollectHelper : public QObject
{
    Q_OBJECT

public:
    explicit FUserDetailCollectHelper(QObject *parent = nullptr);
    ~FUserDetailCollectHelper() override;

    static QStringList choices();
    // True until an answer has been stored.
    bool shouldAsk() const;
    // False (logged) for an answer that is not one of the choices or a
    // failed write.
    bool collect(const QString &answer);

    static QString answersFilePath();
};
