#pragma once
// The main window MDIForm1: menu bar, the strip with the toolbar and the band list, the status bar, and the
// MDI area holding every editor window. It holds no radio data; it dispatches commands to the Document and
// the editor windows.

#include "files/channelcsv.h"
#include "files/datfile.h"

#include <QMainWindow>
#include <QStringList>

class BandComboBox;
class CalibrationWindow;
class ChannelEditorWindow;
class CompareWindow;
class Document;
class DtmfWindow;
class FmRadioWindow;
class HidingSubWindow;
class OptionalFeaturesWindow;
class PortChooser;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QSessionManager;
class QTimer;
class QToolBar;
class RadioLinkController;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loads the main window: band list on its first band, the channel editor shown, every other editor
    // created hidden, the port number read from `portFilePath` (created empty when absent).
    MainWindow(Document &document, const QString &portFilePath, QWidget *parent = nullptr);
    ~MainWindow() override;

    Document &document() { return m_document; }
    ChannelEditorWindow *channelEditor() const { return m_channelEditor; }
    DtmfWindow *dtmfWindow() const { return m_dtmfWindow; }
    OptionalFeaturesWindow *optionalFeaturesWindow() const { return m_optionalFeatures; }
    CalibrationWindow *calibrationWindow() const { return m_calibrationWindow; }
    FmRadioWindow *fmRadioWindow() const { return m_fmRadioWindow; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    PortChooser *portChooser() const { return m_portChooser; }
    RadioLinkController *radioLink() const { return m_link; }
    CompareWindow *compareWindow() const { return m_compare; }

    // The serial port used by the link: 1..20, 0 = none chosen. Shown in the first status panel.
    int portNumber() const { return m_portNumber; }
    void setPortNumber(int portNumber);
    // FindCom: marks the ports that can be opened now in the port chooser (once, at the program's start).
    void probePorts();

    // Clears the band list's pending confirmation, so that the band of a file or a radio is taken silently.
    void disarmBandList();
    // Read and Write (menu and toolbar) are off while a transfer runs.
    void setTransferCommandsEnabled(bool enabled);

    // Opens a data file as File > Open does once its dialog has given `path` (a file on the command line).
    // Returns what went wrong (the wrong type has been reported to the user; a file that cannot be read not).
    datfile::ReadError openDataFile(const QString &path);

    // The quit question; true when the user chose OK.
    bool confirmQuit();
    // Before the configuration is replaced or the program ends: while the document is modified, asks whether
    // to save it (Save / Discard / Cancel). True when the command may go on: nothing to lose, saved, or
    // discarded.
    bool maySaveOrDiscard();
    // Before Save, Write, Print and Quit: while the FM window holds values its OK has not stored, asks
    // whether to apply them (Apply / Discard / Cancel). True when the command may go on.
    bool mayLeaveFmEdits();
    // Stores the language and the port number (after a confirmed quit).
    void storeSettings();

public slots:
    void newFile();
    void openFile();
    void openBackup();
    // True when the file has been written.
    bool saveFile();
    // Opens a file named without the dialog (a recent file, a dropped file), asking first while the document
    // is modified.
    void openFileNamed(const QString &path);
    void undo();
    void redo();
    void printReport();
    void importCsv();
    void exportCsv();
    void showPortChooser();
    void readRadio();
    void writeRadio();
    void compareWithRadio();
    void showAbout();
    void showChannelEditor();
    void showDtmfWindow();
    void showOptionalFeatures();
    void showCalibration();
    void showFmRadio();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A .dat file dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    void createStrip();
    void createStatusBar();
    void createEditors();
    // Takes a value still being typed in the channel table or the optional features into the document.
    void commitOpenEdits();
    void createCsvCommands();
    // Puts the channels of a CSV import into the document as one change.
    void applyImportedChannels(const channelcsv::ImportResult &import, const QString &fileName);
    QAction *addCommand(QMenu *menu, const char *name, const QKeySequence &shortcut = {});
    void retranslate();
    void updateClockPanels();
    void onBandChanged(int position);
    void onDocumentChanged(int part);
    void onModesChanged();
    void hiddenModeClick(int &lastClick, bool forceWrite);
    void onCommitDataRequest(QSessionManager &manager);
    void showEditor(HidingSubWindow *frame);
    bool mayQuit();
    void updateTitle();
    void updateUndoActions();
    void updateRecentFiles();
    // A file opened or saved: first in the recent files, its folder where the dialogs start next.
    void rememberFile(const QString &path);
    QString dialogFolder() const;
    void choosePort(int portNumber);

    Document &m_document;
    QString m_portFilePath;
    int m_portNumber = 0;

    // Band list: armed when its drop-down opens; the position it had then.
    bool m_bandArmed = false;
    int m_previousBand = 0;
    bool m_syncingBand = false;

    // Last click of the hidden-mode buttons, in whole seconds since midnight (0 = none yet).
    int m_lastForceWriteClick = 0;
    int m_lastCalibrationClick = 0;
    bool m_quitConfirmed = false;

    QMdiArea *m_mdiArea = nullptr;
    BandComboBox *m_bandList = nullptr;
    QLabel *m_bandLabel = nullptr;
    QToolBar *m_toolbar = nullptr;
    QLabel *m_panels[4] = {};
    QTimer *m_clockTimer = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_recentSeparator = nullptr;
    QList<QAction *> m_recentActions;

    ChannelEditorWindow *m_channelEditor = nullptr;
    DtmfWindow *m_dtmfWindow = nullptr;
    OptionalFeaturesWindow *m_optionalFeatures = nullptr;
    CalibrationWindow *m_calibrationWindow = nullptr;
    FmRadioWindow *m_fmRadioWindow = nullptr;
    // The MDI frames that hold the editor windows.
    HidingSubWindow *m_channelFrame = nullptr;
    HidingSubWindow *m_dtmfFrame = nullptr;
    HidingSubWindow *m_optionalFeaturesFrame = nullptr;
    HidingSubWindow *m_calibrationFrame = nullptr;
    HidingSubWindow *m_fmRadioFrame = nullptr;
    PortChooser *m_portChooser = nullptr;
    RadioLinkController *m_link = nullptr;
    CompareWindow *m_compare = nullptr;
};
