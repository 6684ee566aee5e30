#pragma once

#include <QDialog>
#include <QDir>
#include <QString>
#include <optional>

#include "widgets/Prompts.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace isobra {

// The file chooser frmOpenSave: a name box, the file list of the directory on
// display filtered by a pattern, the directory tree and the list of mounted
// volumes. The process's current directory follows the directory on display,
// so a bare name refers to it, and the next opening starts where this one
// ended. Patterns and names match without regard to
// case, as on the system the data files come from.
class FrmOpenSave : public QDialog {
    Q_OBJECT

public:
    explicit FrmOpenSave(Prompts& prompts, QWidget* parent = nullptr);

    // Title, name box (empty unless the request names a file), pattern,
    // colour by purpose, options; then centred
    // on the screen, showing the process's current directory.
    void Prepare(const FileRequest& request);

    // Does `name` match the wildcard pattern ("*", "?"), ignoring case?
    static bool Matches(const QString& pattern, const QString& name);
    static QColor PurposeColour(FileRequest::Purpose purpose);

    QString directory() const { return dir_; }
    QString pattern() const { return pattern_; }
    QStringList fileNames() const;  // as listed

    // The directory to show (and the process's current directory).
    void SetDirectory(const QString& path);
    void SetPattern(const QString& pattern);

    // The buttons, for callers and tests alike.
    void PressOk();
    void PressCancel();

    // Once the dialog has closed: what the user chose, or nothing when it
    // was cancelled.
    const std::optional<FileChoice>& choice() const { return choice_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape and the close box act as "ｷｬﾝｾﾙ"

private:
    void Accept(const QString& path);
    void Finish();
    void RefreshFiles();
    void RefreshTree();
    void RefreshDrives();
    void ChooseOption(int index);
    void ChoosePattern(int index);
    // Shows the pattern list with these patterns, or hides it when fewer than two.
    void OfferPatterns(const QStringList& choices, const QString& first);
    // The file the user selected in the list, or null.
    QListWidgetItem* SelectedFile() const;
    // The listed file whose name equals `name` ignoring case, or "".
    QString ListedFile(const QString& name) const;
    // The path of the file in `dir` whose name equals `name`, exactly or
    // else ignoring case, listed or not; "" when there is none.
    static QString ExistingFile(const QString& dir, const QString& name);

    Prompts& prompts_;
    std::optional<FileChoice> choice_;
    QString dir_;
    QString pattern_ = QStringLiteral("*.*");
    FileRequest::Purpose purpose_ = FileRequest::Purpose::Open;  // only a save may name a new file

    QLineEdit* name_ = nullptr;
    QListWidget* files_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QComboBox* drives_ = nullptr;
    QLabel* currentDir_ = nullptr;
    QRadioButton* options_[3] = {};
    // Shown when a request offers several patterns; the file list gives it room.
    QLabel* patternLabel_ = nullptr;
    QComboBox* patterns_ = nullptr;
    bool finished_ = false;
};

}  // namespace isobra
