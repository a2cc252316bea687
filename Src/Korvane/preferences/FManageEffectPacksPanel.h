#pragma once

#include "KvEffectPackRecord.h"

#include <QFutureWatcher>
#include <QMap>
#include <QStringList>
#include <QVector>
#include <QWidget>

class QLabel;
class QTableWidget;

// The content of the effect pack manager: the installed packs, one row each
// (name in the interface language, size), refilled whenever it is shown (the
// folders are scanned and measured on a worker), and
// the deletion of the selected ones. A pack the open project uses is never
// deleted. Deleting marks the pack folder for removal at the next start and
// removes its "Config.json" at once, so that the pack is no longer loaded.
class FManageEffectPacksPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FManageEffectPacksPanel(QWidget *parent = nullptr);
    // Waits for a scan still running.
    ~FManageEffectPacksPanel() override;

    void TranslateText();
    // Asks the project model for the installed packs (on a worker) and fills
    // the table when they are known; sigFilled then.
    void fill();
    bool isFilling() const { return m_scan.isRunning(); }

    // "1023 KB" below 1048576 bytes, whole mebibytes ("1 MB") from there on.
    static QString sizeText(qint64 bytes);

    QLabel *hintLabel() const { return m_hint; }
    QTableWidget *table() const { return m_table; }
    // The pack folders of the rows, in row order.
    QStringList rowFolders() const { return m_rows; }

public slots:
    // "DELETE SELECTED".
    void slotDeleteSelected();

signals:
    void sigFilled();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPacks(const QVector<KvEffectPackRecord> &records);
    void removeRow(const QString &folder);

    QLabel *m_hint;
    QTableWidget *m_table;
    QMap<QString, KvEffectPackRecord> m_packs;
    QStringList m_rows;
    QFutureWatcher<QVector<KvEffectPackRecord>> m_scan;
    // A fill asked for while one runs: the folders may have changed since.
    bool m_fillAgain = false;
};
