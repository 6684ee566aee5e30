#include "entry/EntryFormKit.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "model/CodeTables.h"
#include "widgets/Fonts.h"
#include "widgets/QtText.h"

namespace isobra::entry_form {

namespace {

constexpr int kMarginPixels = 8;

}  // namespace

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void FinishWindow(QWidget* form, const QString& caption, const QColor& background) {
    form->setWindowTitle(caption);
    form->setFont(GothicFont(kFontPixels));
    SetColour(form, QPalette::Window, background);
    form->setAutoFillBackground(true);
    const QRect used = form->childrenRect();
    form->setFixedSize(used.right() + 1 + kMarginPixels, used.bottom() + 1 + kMarginPixels);
}

QPushButton* AddButton(QWidget* form, const QString& name, const QString& caption, const QRect& where,
                       bool inTabOrder) {
    auto* button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setGeometry(where);
    // Outside a dialog a QPushButton ignores Return unless it is auto-default.
    button->setAutoDefault(true);
    button->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

void AddLabels(QWidget* form, std::initializer_list<LabelPlace> labels) {
    for (const LabelPlace& place : labels) (new QLabel(place.caption, form))->setGeometry(place.where);
}

QLabel* AddNamedLabel(QWidget* form, const QString& name, const QString& caption, const QRect& where) {
    auto* label = new QLabel(caption, form);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

NumericEntryField* AddNumberField(QWidget* form, const QString& name, const NumberFieldRules& rules, const QRect& where,
                                  const QRect& scrollWhere, bool mincho) {
    auto* bar = new QScrollBar(Qt::Vertical, form);
    bar->setObjectName(name + QStringLiteral("VS"));
    bar->setGeometry(scrollWhere);
    // A click on the control works on its field, which takes the keyboard
    // focus (NumericEntryField), so Tab goes on from the field.
    bar->setFocusPolicy(Qt::NoFocus);

    auto* field = new NumericEntryField(rules, bar, form);
    field->setObjectName(name);
    field->setGeometry(where);
    field->setFont(mincho ? MinchoFont(kFontPixels) : GothicFont(kFontPixels));
    field->setFocusPolicy(Qt::StrongFocus);
    return field;
}

EditLineList* AddList(QWidget* form, const QString& name, EditLineList::EditMode mode, const QRect& where,
                      bool inTabOrder) {
    auto* list = new EditLineList(mode, form);
    list->setObjectName(name);
    list->setFont(MinchoFont(kFontPixels));
    list->editLine()->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
    list->setGeometry(where);
    return list;
}

ClickableLineEdit* AddDateField(QWidget* form, const QColor& background, const QRect& where, bool inTabOrder) {
    auto* field = new ClickableLineEdit(form);
    field->setObjectName(QStringLiteral("kansokubi"));
    field->setGeometry(where);
    SetColour(field, QPalette::Base, background);
    field->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
    return field;
}

void FillItems(EditLineList* list, std::span<const std::string_view> texts, int selected) {
    QStringList items;
    for (std::string_view text : texts) items << ToQ(text);
    list->setItems(items);
    list->selectRow(selected);
}

void FillDirections(EditLineList* list) {
    FillItems(list, kWindDirectionTexts, 7);  // "南南西"
}

void FillWeathers(EditLineList* list) { FillItems(list, kWeatherTexts, 0); }

}  // namespace isobra::entry_form
