#include "app/FrmOpenSave.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStorageInfo>
#include <QTreeWidget>
#include <algorithm>

#include "widgets/Fonts.h"
#include "widgets/Twips.h"

namespace isobra {

namespace {

const char* const kOptionPatterns[3] = {"*.bmp", "*.b1", "forg.00?"};

// The longest file name component Linux accepts, in bytes.
constexpr int kNameMax = 255;

}  // namespace

FrmOpenSave::FrmOpenSave(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts) {
    setObjectName(QStringLiteral("frmOpenSave"));
    setModal(true);
    setFixedSize(Twips(5790), Twips(3225));
    setFont(GothicFont(12));
    setAutoFillBackground(true);

    auto* nameLabel = new QLabel(QStringLiteral("ﾌｧｲﾙ名(&N):"), this);
    nameLabel->setObjectName(QStringLiteral("lblOpenSave0"));
    nameLabel->setGeometry(Twips(120, 120, 2055, 255));
    name_ = new QLineEdit(QStringLiteral("*.*"), this);
    name_->setObjectName(QStringLiteral("txtOpenSave"));
    name_->setGeometry(Twips(120, 420, 2055, 315));
    nameLabel->setBuddy(name_);
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("filOpenSave"));
    files_->setGeometry(Twips(120, 840, 2055, 2190));

    auto* dirLabel = new QLabel(QStringLiteral("ﾃﾞｨﾚｸﾄﾘ(&D)"), this);
    dirLabel->setObjectName(QStringLiteral("lblOpenSave1"));
    dirLabel->setGeometry(Twips(2280, 120, 2055, 255));
    currentDir_ = new QLabel(this);
    currentDir_->setObjectName(QStringLiteral("lblOpenSave2"));
    currentDir_->setGeometry(Twips(2280, 420, 2055, 315));
    currentDir_->setAutoFillBackground(true);
    QPalette yellow = currentDir_->palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 128));
    currentDir_->setPalette(yellow);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("dirOpenSave"));
    tree_->setHeaderHidden(true);
    tree_->setIndentation(8);
    tree_->setGeometry(Twips(2280, 780, 2055, 1530));
    dirLabel->setBuddy(tree_);
    auto* driveLabel = new QLabel(QStringLiteral("ﾄﾞﾗｲﾌﾞ(&V):"), this);
    driveLabel->setObjectName(QStringLiteral("lblOpenSave3"));
    driveLabel->setGeometry(Twips(2280, 2340, 2055, 255));
    drives_ = new QComboBox(this);
    drives_->setObjectName(QStringLiteral("drvOpenSave"));
    drives_->setGeometry(Twips(2280, 2640, 2055, 330));
    driveLabel->setBuddy(drives_);

    patternLabel_ = new QLabel(QStringLiteral("ﾌｧｲﾙの種類(&T):"), this);
    patternLabel_->setObjectName(QStringLiteral("lblOpenSave4"));
    patternLabel_->setGeometry(Twips(120, 2340, 2055, 255));
    patterns_ = new QComboBox(this);
    patterns_->setObjectName(QStringLiteral("cboOpenSave"));
    patterns_->setGeometry(Twips(120, 2640, 2055, 330));
    patternLabel_->setBuddy(patterns_);
    connect(patterns_, &QComboBox::activated, this, &FrmOpenSave::ChoosePattern);
    setTabOrder(files_, patterns_);  // under the list it belongs to
    OfferPatterns({}, {});

    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(this);
        options_[i]->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        options_[i]->setGeometry(Twips(4440, 360 * i, 5790 - 4440, 330));
        options_[i]->setVisible(false);
        connect(options_[i], &QRadioButton::clicked, this, [this, i] { ChooseOption(i); });
    }
    options_[0]->setChecked(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOpenSave0"));
    ok->setGeometry(Twips(4560, 1440, 1095, 435));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cmdOpenSave1"));
    cancel->setGeometry(Twips(4560, 2040, 1095, 435));
    connect(ok, &QPushButton::clicked, this, &FrmOpenSave::PressOk);
    connect(cancel, &QPushButton::clicked, this, &FrmOpenSave::PressCancel);

    // A file's name goes into the name box only when the user selects it
    // (a click, the arrow keys). The list making its first row current as it
    // takes the focus selects nothing: Tab and Return must not save over, or
    // delete, a file the user never chose.
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { name_->setText(item->text()); });
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        if (QListWidgetItem* item = SelectedFile()) name_->setText(item->text());
    });
    connect(files_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Accept(QDir(dir_).filePath(item->text())); });
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        SetDirectory(item->data(0, Qt::UserRole).toString());
        name_->setText(pattern_);
    });
    connect(drives_, &QComboBox::activated, this, [this](int index) {
        SetDirectory(drives_->itemData(index).toString());
        name_->setText(pattern_);
    });

    RefreshDrives();
    SetDirectory(QDir::currentPath());
}

bool FrmOpenSave::Matches(const QString& pattern, const QString& name) {
    // "*.*" lists every file, also those without a dot.
    if (pattern == QStringLiteral("*.*") || pattern == QStringLiteral("*")) return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

QColor FrmOpenSave::PurposeColour(FileRequest::Purpose purpose) {
    switch (purpose) {
        case FileRequest::Purpose::Open:
            return QColor(192, 192, 255);
        case FileRequest::Purpose::Save:
            return QColor(255, 192, 192);
        case FileRequest::Purpose::Delete:
            return QColor(255, 192, 255);
    }
    return QColor(192, 192, 255);
}

void FrmOpenSave::Prepare(const FileRequest& request) {
    finished_ = false;
    choice_.reset();
    purpose_ = request.purpose;
    setWindowTitle(request.title);
    name_->setText(request.initialName);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, PurposeColour(request.purpose));
    setPalette(pal);
    for (int i = 0; i < 3; ++i) {
        options_[i]->setVisible(request.showOptions);
        options_[i]->setText(request.optionCaptions.value(i));
    }
    options_[0]->setChecked(true);
    SetDirectory(QDir::currentPath());
    SetPattern(request.pattern.isEmpty() ? QStringLiteral("*.*") : request.pattern);
    OfferPatterns(request.patternChoices, pattern_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

QStringList FrmOpenSave::fileNames() const {
    QStringList out;
    for (int i = 0; i < files_->count(); ++i) out << files_->item(i)->text();
    return out;
}

void FrmOpenSave::SetDirectory(const QString& path) {
    QFileInfo info(path);
    if (!info.isDir()) return;
    dir_ = QDir::cleanPath(info.absoluteFilePath());
    QDir::setCurrent(dir_);
    currentDir_->setText(dir_);
    currentDir_->setToolTip(dir_);
    RefreshTree();
    RefreshFiles();
    // The volume holding the directory.
    const QString root = QStorageInfo(dir_).rootPath();
    const int index = drives_->findData(root);
    if (index >= 0) drives_->setCurrentIndex(index);
}

void FrmOpenSave::SetPattern(const QString& pattern) {
    pattern_ = pattern;
    RefreshFiles();
    // A pattern typed that the list offers is picked there too.
    if (!patterns_->isHidden()) {
        const int listed = patterns_->findText(pattern, Qt::MatchFixedString);
        if (listed >= 0) patterns_->setCurrentIndex(listed);
    }
}

void FrmOpenSave::OfferPatterns(const QStringList& choices, const QString& first) {
    const bool offered = choices.size() > 1;
    patterns_->clear();
    if (offered) patterns_->addItems(choices);
    patterns_->setCurrentIndex(offered ? std::max(0, static_cast<int>(choices.indexOf(first))) : -1);
    patterns_->setHidden(!offered);
    patternLabel_->setHidden(!offered);
    // The list makes room for the pattern list under it.
    files_->setGeometry(offered ? Twips(120, 840, 2055, 1440) : Twips(120, 840, 2055, 2190));
}

void FrmOpenSave::ChoosePattern(int index) {
    SetPattern(patterns_->itemText(index));
    // A name being typed stays; a pattern in the name box follows the list.
    const QString typed = name_->text();
    if (typed.isEmpty() || typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?')))
        name_->setText(pattern_);
}

void FrmOpenSave::RefreshFiles() {
    files_->clear();
    QDir dir(dir_);
    const QStringList all = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : all)
        if (Matches(pattern_, name)) files_->addItem(name);
}

void FrmOpenSave::RefreshTree() {
    tree_->clear();
    // The ancestors of the directory on display, opened down to it, and its
    // subdirectories below it.
    QStringList chain;
    QDir walk(dir_);
    chain.prepend(walk.absolutePath());
    while (walk.cdUp()) chain.prepend(walk.absolutePath());
    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : chain) {
        const QString label = path == QStringLiteral("/") ? path : QFileInfo(path).fileName();
        auto* item = parent ? new QTreeWidgetItem(parent, {label}) : new QTreeWidgetItem(tree_, {label});
        item->setData(0, Qt::UserRole, path);
        item->setExpanded(true);
        parent = item;
    }
    const QStringList subdirs = QDir(dir_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& sub : subdirs) {
        auto* item = new QTreeWidgetItem(parent, {sub});
        item->setData(0, Qt::UserRole, QDir(dir_).filePath(sub));
    }
    if (parent) tree_->setCurrentItem(parent);
}

void FrmOpenSave::RefreshDrives() {
    drives_->clear();
    QStringList seen;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = volume.rootPath();
        if (seen.contains(root)) continue;
        seen << root;
        drives_->addItem(root, root);
    }
    if (!seen.contains(QStringLiteral("/"))) drives_->insertItem(0, QStringLiteral("/"), QStringLiteral("/"));
}

QListWidgetItem* FrmOpenSave::SelectedFile() const {
    const QList<QListWidgetItem*> selected = files_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QString FrmOpenSave::ListedFile(const QString& name) const {
    for (int i = 0; i < files_->count(); ++i)
        if (files_->item(i)->text().compare(name, Qt::CaseInsensitive) == 0) return files_->item(i)->text();
    return {};
}

QString FrmOpenSave::ExistingFile(const QString& dir, const QString& name) {
    if (!QFileInfo(dir).isDir()) return {};
    const QDir folder(QDir::cleanPath(dir));
    if (QFileInfo(folder.filePath(name)).isFile()) return folder.filePath(name);
    const QStringList all = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : all)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder.filePath(entry);
    return {};
}

void FrmOpenSave::ChooseOption(int index) {
    name_->clear();
    SetPattern(QString::fromLatin1(kOptionPatterns[index]));
    SetDirectory(QDir::currentPath());
}

void FrmOpenSave::PressOk() {
    const QString text = name_->text();
    if (text.isEmpty()) {
        if (QListWidgetItem* item = SelectedFile()) name_->setText(item->text());
        return;
    }
    const QString target = QDir(dir_).absoluteFilePath(text);
    const QFileInfo info(target);
    const QString fileName = info.fileName();
    const QString parentDir = info.absolutePath();

    // A directory: show it.
    if (info.isDir()) {
        SetDirectory(target);
        name_->setText(pattern_);
        return;
    }
    // Wildcards: a new pattern, perhaps in another directory.
    if (fileName.contains(QLatin1Char('*')) || fileName.contains(QLatin1Char('?'))) {
        if (QFileInfo(parentDir).isDir() && parentDir != dir_) SetDirectory(parentDir);
        SetPattern(fileName);
        name_->setText(pattern_);
        return;
    }
    // A listed file (its own directory may be typed with it), matched
    // without regard to case.
    if (QFileInfo(parentDir).isDir()) {
        const QString saved = dir_;
        if (parentDir != dir_) SetDirectory(parentDir);
        const QString listed = ListedFile(fileName);
        if (!listed.isEmpty()) {
            Accept(QDir(dir_).filePath(listed));
            return;
        }
        if (dir_ != saved) SetDirectory(saved);
    }
    // Not a listed file, but one that exists all the same, hidden by the
    // pattern: a file to open is taken whatever its extension (a picture
    // need not be a BMP); a save or a delete keeps the dialog open.
    if (const QString existing = ExistingFile(parentDir, fileName); !existing.isEmpty()) {
        if (purpose_ == FileRequest::Purpose::Open) Accept(existing);
        return;
    }
    if (info.exists()) return;  // something there that is no file
    // A name the file system cannot hold.
    if (fileName.toUtf8().size() > kNameMax || text.contains(QChar(0))) {
        prompts_.Inform(
            windowTitle(),
            QStringLiteral("「%1」はファイル名として使えません（名前が長すぎるか、使えない文字を含んでいます）。")
                .arg(fileName),
            Prompts::Icon::Warning);
        return;
    }
    if (!QFileInfo(parentDir).isDir()) {
        prompts_.Inform(windowTitle(), QStringLiteral("フォルダ「%1」が見つかりません。").arg(parentDir),
                        Prompts::Icon::Warning);
        return;
    }
    if (purpose_ == FileRequest::Purpose::Save) {
        Accept(target);
        return;
    }
    prompts_.Inform(QString::fromUtf8(kProgramTitle), QStringLiteral("ファイルが存在しません。"),
                    Prompts::Icon::Warning);
}

void FrmOpenSave::PressCancel() {
    Finish();
    QDialog::reject();
}

void FrmOpenSave::reject() { PressCancel(); }

void FrmOpenSave::closeEvent(QCloseEvent* event) {
    // The close box is "ｷｬﾝｾﾙ": it must never end the program.
    Finish();
    event->accept();
    QDialog::closeEvent(event);
}

void FrmOpenSave::Accept(const QString& path) {
    if (!finished_) {
        choice_ = FileChoice{path, patterns_->isHidden() ? 0 : std::max(0, patterns_->currentIndex()), 0};
        for (int i = 0; i < 3; ++i)
            if (options_[i]->isChecked()) choice_->option = i;
    }
    Finish();
    QDialog::accept();
}

void FrmOpenSave::Finish() {
    if (finished_) return;
    finished_ = true;
    for (QRadioButton* option : options_) option->setVisible(false);
}

}  // namespace isobra
