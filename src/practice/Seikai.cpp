#include "practice/Seikai.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

#include "practice/PracticeMap.h"
#include "widgets/Fonts.h"

namespace isobra {

Seikai::Seikai(const AppState& program, const ObservationFileData& typed, const ObservationFileData& report,
               const QString& reportName, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Seikai"));
    setWindowTitle(QStringLiteral("正解の天気図"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(GothicFont(12));

    const struct {
        const char* name;
        QString caption;
        const ObservationFileData& data;
    } sides[] = {{"picNyuuryoku", QStringLiteral("入力したデータ"), typed},
                 {"picSeikai", QStringLiteral("正解（%1）").arg(reportName), report}};
    auto* layout = new QGridLayout(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int column = 0; column < 2; ++column) {
        const PracticeMap map = DrawPracticeMap(program, sides[column].data);
        layout->addWidget(new QLabel(sides[column].caption, this), 0, column);
        auto* picture = new QLabel(this);
        picture->setObjectName(QString::fromUtf8(sides[column].name));
        picture->setPixmap(QPixmap::fromImage(map.picture));
        picture->setFixedSize(map.picture.size());
        layout->addWidget(picture, 1, column);
        auto* note = new QLabel(map.note, this);
        note->setObjectName(QString::fromUtf8(sides[column].name) + QStringLiteral("Note"));
        note->setWordWrap(true);
        layout->addWidget(note, 2, column);
    }
    QApplication::restoreOverrideCursor();
}

}  // namespace isobra
