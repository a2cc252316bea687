#pragma once

#include "FSettingPanelBase.h"

class IKvMediaProxyService;
class KvOpenFileLineEdit;
class KvTipWidget;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QScrollArea;

// The Performance page of the preferences: hardware acceleration (read at
// the next start), proxies and preview rendering.
//
// Acceleration for decoding and the graphics card only mean something while
// acceleration for rendering is on, so they follow its box. Ok stores what
// changed, tells the user about what waits for a restart, moves the proxy
// files along with their folder, and tells the editing scene about proxy
// and render changes. "CLEAN" removes proxy or render files at once, after
// a question; "START" runs the GPU check (FSettingGpuCheck).
class FSettingPerformancePanel : public FSettingPanelBase
{
    Q_OBJECT

public:
    static constexpr int kMaxPathLength = 2048;

    explicit FSettingPerformancePanel(QWidget *parent = nullptr, KvUIView *parentView = nullptr);
    ~FSettingPerformancePanel() override;

    void TranslateText() override;
    void Load() override;
    void Ok() override;

    QScrollArea *scrollArea() const { return m_scroll; }
    QPushButton *gpuCheckButton() const { return m_gpuCheck; }
    QCheckBox *renderingBox() const { return m_rendering; }
    QCheckBox *decodingBox() const { return m_decoding; }
    QComboBox *graphicsCardBox() const { return m_graphicsCard; }
    KvTipWidget *graphicsCardTip() const { return m_tip; }
    QCheckBox *createProxyBox() const { return m_createProxy; }
    QComboBox *proxyResolutionBox() const { return m_proxyResolution; }
    KvOpenFileLineEdit *proxyFolderField() const { return m_proxyFolder; }
    QPushButton *proxyFolderBrowseButton() const { return m_proxyBrowse; }
    QCheckBox *deleteProxyBox() const { return m_deleteProxy; }
    QPushButton *cleanProxyButton() const { return m_cleanProxy; }
    QCheckBox *backgroundRenderBox() const { return m_backgroundRender; }
    QDoubleSpinBox *renderDelayBox() const { return m_renderDelay; }
    QLabel *startAfterLabel() const { return m_startAfter; }
    QLabel *secondsLabel() const { return m_seconds; }
    KvOpenFileLineEdit *renderFolderField() const { return m_renderFolder; }
    QPushButton *renderFolderBrowseButton() const { return m_renderBrowse; }
    QPushButton *cleanRenderButton() const { return m_cleanRender; }
    QCheckBox *deleteRenderBox() const { return m_deleteRender; }
    QCheckBox *latestEngineBox() const { return m_latestEngine; }

    // Seams for tests: another proxy service (null: the project model's),
    // another folder of check programs (empty: the application's). GUI
    // thread only.
    static void setMediaProxyServiceForTest(IKvMediaProxyService *service);
    static void setGpuCheckDirForTest(const QString &dir);

public slots:
    void slotCurrentGPUIndexChanged(int index);
    // Tells which proxy files could not be removed ("a,b").
    void slotShowClearError(const QString &strFiles);
    void slotCleanProxyFiles();
    void slotCleanRenderFiles();
    void slotStartGpuCheck();
    void slotBrowseProxyFolder();
    void slotBrowseRenderFolder();

private:
    void buildUi();
    QWidget *buildGpuSection(QWidget *content);
    QWidget *buildProxySection(QWidget *content);
    QWidget *buildRenderSection(QWidget *content);
    void onRenderingToggled(bool checked);
    void updateEnabling();
    void browse(KvOpenFileLineEdit *field);
    // The steps of Ok that need more than a compare and a store.
    void storeGraphicsSettings();
    void storeProxyFolder();
    void storeRenderSettings();

    QScrollArea *m_scroll = nullptr;
    QLabel *m_gpuTitle = nullptr;
    QLabel *m_proxyTitle = nullptr;
    QLabel *m_previewTitle = nullptr;
    QLabel *m_renderTitle = nullptr;

    QLabel *m_gpuCheckLabel = nullptr;
    QPushButton *m_gpuCheck = nullptr;
    QCheckBox *m_rendering = nullptr;
    QCheckBox *m_decoding = nullptr;
    QLabel *m_graphicsCardLabel = nullptr;
    QComboBox *m_graphicsCard = nullptr;
    KvTipWidget *m_tip = nullptr;

    QCheckBox *m_createProxy = nullptr;
    QComboBox *m_proxyResolution = nullptr;
    QLabel *m_proxyFolderLabel = nullptr;
    KvOpenFileLineEdit *m_proxyFolder = nullptr;
    QPushButton *m_proxyBrowse = nullptr;
    QCheckBox *m_deleteProxy = nullptr;
    QPushButton *m_cleanProxy = nullptr;

    QCheckBox *m_backgroundRender = nullptr;
    QLabel *m_startAfter = nullptr;
    QDoubleSpinBox *m_renderDelay = nullptr;
    QLabel *m_seconds = nullptr;
    QLabel *m_renderFolderLabel = nullptr;
    KvOpenFileLineEdit *m_renderFolder = nullptr;
    QPushButton *m_renderBrowse = nullptr;
    QPushButton *m_cleanRender = nullptr;
    QCheckBox *m_deleteRender = nullptr;

    QCheckBox *m_latestEngine = nullptr;
};
