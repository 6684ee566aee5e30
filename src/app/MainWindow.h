#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "model/ContinuousDisplay.h"
#include "model/Result.h"
#include "model/SavePath.h"
#include "state/AppState.h"
#include "widgets/Prompts.h"

class QAction;
class QMenu;
class QScrollArea;

namespace isobra {

class CanvasView;
class Cont;
class Danmen;
class FrmColor;
class SlideShow;
class PleaseWait;
class RecoveryFile;
class QImageCanvas;
class Tenki1;
class Kaiyou1;
class Gyogyou;
class Teisei;

// The program's frame: the menu bar and the map canvas Picture1. Owns no data
// of its own; the process-wide state lives in the AppState it is given.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(AppState& state, Prompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: settings, colours, canvas, station table, coastline and the
    // hidden entry forms, in that order. The introduction is separate so the
    // caller can show it before the window appears.
    void Start();
    void ShowIntroduction();
    // The whole start of the program: Start(), the introduction, then the
    // window itself.
    void StartUp();
    // From here on the observations are kept in this program's recovery
    // file. First a report that an earlier run left unsaved is offered; Yes
    // loads it as "気象観測データ読みこみ" does, No sends it to the trash.
    // (MainWindowRecovery.cpp)
    void OfferRecovery();
    RecoveryFile* recoveryFile() const { return recovery_.get(); }

    AppState& state() { return state_; }
    Prompts& prompts() { return prompts_; }
    QImageCanvas& canvas() { return *canvas_; }
    CanvasView* canvasView() { return view_; }
    // The menu item (or submenu action) with this control name, or null.
    QAction* menuAction(const QString& controlName) const;

    // The please-wait window MATTENE: shown and painted at once, centred on
    // the screen. Hiding it twice is harmless.
    void ShowPleaseWait(const QString& caption);
    void ShowPleaseWait(const QString& caption, const QColor& background);
    void HidePleaseWait();
    PleaseWait* pleaseWait() const;

    // A press on the canvas at canvas pixels (x, y), which may be fractional,
    // dispatched by the mouse mode.
    void OnCanvasMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

    // Handlers for the correction ("+", "-", "?") and cross-section ("V",
    // "H") modes; the windows of those subsystems install them.
    using ClickHandler = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)>;
    void SetCorrectionHandler(ClickHandler h) { correctionHandler_ = std::move(h); }
    void SetCrossSectionHandler(ClickHandler h) { crossSectionHandler_ = std::move(h); }

    // Opens each file as its menu command does, chosen by its extension:
    // ".dat" observations, ".cnt" isobars (drawn), anything else a picture
    // for the background. One that cannot be read is named as the command
    // names it, and the next is opened all the same.
    void OpenFiles(const QStringList& paths);
    // The files named on the command line, as the system's bytes.
    static QStringList FileArguments(int argc, char** argv);

    // ---- The map leaving the program (MainWindowExport.cpp) ----
    void ExportMap();  // "地図を画像で保存": PNG, SVG or PDF by the name's extension
    void PrintMap();   // "地図を印刷": the print dialog, the map scaled to the page
    void CopyMap();    // Ctrl+C: the canvas as an image on the clipboard

    // ---- The scale of the view (MainWindowView.cpp) ----
    static constexpr double kViewScales[] = {1.0, 1.5, 2.0, 3.0};
    // A fixed scale: the window grows or shrinks to show it whole where the
    // screen allows; scroll bars show the rest.
    void SetViewScale(double scale);
    // The whole canvas in the window as the user sizes it.
    void SetViewFitting();
    // The next scale up (+1) or down (-1) from the one shown.
    void StepViewScale(int direction);

    // Menu commands.
    void DrawMap();
    void ClearMap();
    void EndProgram();
    void ShowIsobars();          // "等圧線の表示": check, build the grid if needed, draw
    void ShowPressureSurface();  // "気圧の立体表示"

    // Correction and spacing (MainWindowCorrection.cpp).
    // "等圧線の間隔の変更" and the correction window's "間隔".
    void ChangeIsobarInterval();
    // "等圧線の修正、保存": the map and isobars redrawn, the correction window
    // opened (created on first use).
    void ShowCorrectionWindow();
    Teisei* correctionWindow() const;

    // The entry windows show the core's lists again (after a load or an
    // erase-all); the ship and fishery lists are left without a selection.
    void ShowEntryLists();

    // File commands (MainWindowFiles.cpp).
    void SaveObservations();
    void LoadObservations();
    // Loads the file as "気象観測データ読みこみ" does once it is chosen; false
    // after telling the user why nothing changed.
    bool OpenObservationFile(const QString& path);
    // Loads and draws the file as "等圧線データ読みこみ" does once it is chosen.
    bool OpenIsobarFile(const QString& path);
    void DeleteObservationFiles();
    // The correction window saves without the please-wait window.
    enum class PleaseWaitShown { Yes, No };
    void SaveIsobars(PleaseWaitShown pleaseWait = PleaseWaitShown::Yes);
    void LoadIsobars();
    void DeleteIsobarFiles();
    // ---- Satellite images (MainWindowSatellite.cpp) ----
    void LoadSatelliteImage();    // "画像読みこみ": a picture, or a plane set or sensor file converted first
    void SaveSatelliteImage();    // "画像の保存": the background picture as BMP
    void DeleteImageFiles();      // "画像の削除"
    void RemoveSatelliteImage();  // "気象衛星画像も消します"
    // Shows the picture (any format, read by its content) under the
    // drawing; false after telling the user why the canvas kept what it had.
    bool OpenPicture(const QString& path);
    // "雲の断面図": shows Danmen, creating it if needed.
    void ShowCrossSectionWindow();
    Danmen* crossSectionWindow() const;

    // The file a save command writes: the chooser, the extension rule, the
    // file whose name differs only in case standing in for it; when that file
    // exists, the question before replacing it, and on No the chooser again
    // with the name still typed. Nothing when the user gave up (or was told
    // why the name cannot be saved). Every save of the windows asks here.
    std::optional<QString> AskSavePath(const QString& title, const QString& pattern, const char* extension);
    // The same for a save of several kinds of file: the patterns offered in
    // the chooser's list and each kind's extension; the kind follows the
    // extension typed, else the pattern picked (the first by default).
    std::optional<SaveChoice> AskSavePath(const QString& title, const QStringList& patterns,
                                          const std::vector<std::string_view>& extensions);

    // ---- The show and the display colours (MainWindowDisplay.cpp) ----
    // "等圧線の連続表示" and "画像の連続表示": the window Cont for that kind
    // (another kind than before empties its list).
    void ShowContinuousDisplay(DisplayKind kind);
    // The show of the registered files ("表　示"). Until it ends, the menus,
    // the other windows and clicks on the map do nothing; Esc in this
    // window stops it. Afterwards the files that could not be shown are
    // named in one message and Cont comes back.
    void RunShow();
    bool ShowRunning() const { return show_ != nullptr; }
    // One step of the show: the isobar file loaded (the grid replaced, 54
    // stations) and drawn on a cleared map, or the picture put under the
    // drawing. A sentence says why not.
    Status ShowIsobarStep(const QString& path);
    Status ShowImageStep(const QString& path);
    // "表示色の指定": the colour dialog beside the map, without blocking.
    void ShowColorDialog();
    Cont* continuousDisplayWindow() const { return cont_; }
    FrmColor* colourDialog() const;

    // ---- Entry forms (MainWindowEntry.cpp) ----
    void CreateEntryForms();
    void ShowLandForm();
    void ShowShipForm();
    void ShowFisheryForm();
    void EraseAllObservations();
    Tenki1* landForm() const { return tenki1_; }
    Kaiyou1* shipForm() const { return kaiyou1_; }
    Gyogyou* fisheryForm() const { return gyogyou_; }

signals:
    void ended();

protected:
    // Closing the frame ends the program like "終了ｏｋ？": the entry windows
    // and everything else close with it.
    void closeEvent(QCloseEvent* event) override;
    // Files dropped on the window open as OpenFiles opens them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildMenus();
    void BuildViewMenu(QMenu* chart);
    // The window as large as the view needs, within the screen.
    void FitWindowToView();
    QRect WholeCanvas() const;
    QAction* AddItem(QMenu* menu, const QString& caption, const QString& controlName,
                     std::function<void()> handler = {});
    QMenu* AddSubmenu(QMenu* parent, const QString& caption, const QString& controlName);
    void AddSeparator(QMenu* menu, const QString& controlName);
    void ShowMenuHelp();
    // Asks the chooser for a file; the chosen path, or nothing on cancel.
    std::optional<QString> AskFile(const QString& title, const QString& pattern, FileRequest::Purpose purpose,
                                   const QString& initialName = {});
    std::optional<QString> AskFile(const FileRequest& request);
    // The save target for a chosen path, of one of the kinds with these
    // extensions (`picked` when the name does not say), or nothing (after
    // telling the user) when the name cannot be saved.
    std::optional<SaveChoice> SaveTarget(const QString& chosen, const std::vector<std::string_view>& extensions,
                                         int picked);
    void DeleteFilesLoop(const QString& title, const QString& pattern);
    // Takes the please-wait window down and tells the user why the file was
    // not read.
    void RefuseFile(const QString& path, const Failure& failure);
    // Saves the encoded file atomically; false after telling the user why not.
    bool WriteFile(const QString& path, const Result<std::string>& encoded);
    // A save command: the chooser, the extension, the please-wait window
    // with `caption` (none for an empty caption), then the bytes `encode`
    // makes. True when the file was written.
    bool SaveChosen(const QString& title, const QString& pattern, const char* extension, const QString& caption,
                    const std::function<Result<std::string>()>& encode);
    // Converts a plane set or a sensor file with the line countdown in the
    // please-wait window; the BMP written, or nothing after telling the user.
    std::optional<QString> ConvertImageSource(int option, const QString& source);
    // A click in a cross-section mode: the chart through (x, y).
    void DrawCrossSectionAt(int x, int y);
    // The observations as the recovery file sees them: changed by the user,
    // or now standing in a file of the user's (saved, loaded, erased).
    void NoteObservationsChanged();
    void MarkObservationsClean();
    void TellRecoveryFailed(const QString& reason);
    // Disables (or enables again) what must not act during a show.
    void HoldStillForShow(bool hold);
    void EndShow();

    // The client area at the start: 9525 x 6600 twips.
    static constexpr int kClientHeight = 440;

    AppState& state_;
    Prompts& prompts_;
    QImageCanvas* canvas_ = nullptr;
    CanvasView* view_ = nullptr;
    QScrollArea* workspace_ = nullptr;
    QPointer<PleaseWait> pleaseWait_;
    QPointer<Danmen> danmen_;
    std::map<QString, QAction*> actions_;
    ClickHandler correctionHandler_;
    ClickHandler crossSectionHandler_;
    QPointer<Teisei> teisei_;
    bool ending_ = false;

    // ---- The show and the display colours ----
    Cont* cont_ = nullptr;
    SlideShow* show_ = nullptr;
    std::vector<QPointer<QWidget>> heldForShow_;  // the windows disabled during the show
    QPointer<FrmColor> frmColor_;

    // ---- Entry forms ----
    Tenki1* tenki1_ = nullptr;
    Kaiyou1* kaiyou1_ = nullptr;
    Gyogyou* gyogyou_ = nullptr;

    // ---- Recovery ----
    std::unique_ptr<RecoveryFile> recovery_;
    bool recoveryFailureTold_ = false;
};

}  // namespace isobra
