#pragma once

#include "KvEffectPackRecord.h"

#include <QMap>
#include <QStringList>
#include <QWidget>

class QLabel;
class QTableWidget;

// The content of the effect pack manager: the installed packs, one row each
// (name in the interface language, size), refilled whenever it is shown, and
// the deletion of the selected ones. A pack the open project uses is never
// deleted. Deleting marks the pack folder for removal at the next start and
// removes its "Config.json" at once, so that the pack is no longer loaded.
class FManageEffectPacksPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FManageEffectPacksPanel(QWidget *parent = nullptr);
    ~FManageEffectPacksPanel() override;

    void TranslateText();
    // Asks the project model for the installed packs and fills the table.
    void fill();

    // "1023 KB" below 1048576 bytes, whole mebibytes ("1 MB") from there on.
    static QString sizeText(qint64 bytes);

    QLabel *hintLabel() const { return m_hint; }
    QTableWidget *table() const { return m_table; }
    // The pack folders of the rows, in row order.
    QStringList rowFolders() const { return m_rows; }

public slots:
    // "DELETE SELECTED".
    void slotDeleteSelected();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void removeRow(const QString &folder);

    QLabel *m_hint;
    QTableWidget *m_table;
    QMap<QString, KvEffectPackRecord> m_packs;
    QStringList m_rows;
};
