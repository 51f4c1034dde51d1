#include "gui/EditPeers.h"

#include "gui/Appearance.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace gui {

namespace {

QString joinLines(const TStringList& lines) {
    QStringList list;
    list.reserve(lines.Count());
    for (std::string_view line : lines) list.append(ToQt(line));
    return list.join(u'\n');
}

} // namespace

EditPeer::EditPeer(TEdit& edit) : ControlPeer(edit, new QLineEdit) {
    QObject::connect(lineEdit(), &QLineEdit::textEdited, [this](const QString& text) {
        if (component()) Guarded([&] { this->edit().SetText(FromQt(text)); });
    });
    watchInput(*lineEdit(), Input::Mouse | Input::Focus);
}

QLineEdit* EditPeer::lineEdit() const { return static_cast<QLineEdit*>(widget()); }

void EditPeer::sync(TProperty property) {
    if (property == TProperty::ReadOnly && widget()) lineEdit()->setReadOnly(edit().ReadOnly());
    else ControlPeer::sync(property);
}

void EditPeer::syncText() {
    QString text = ToQt(edit().Text());
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void EditPeer::syncColor() { ApplyBackground(*widget(), edit().Color(), QPalette::Base, false); }

MemoPeer::MemoPeer(TMemo& memo) : ControlPeer(memo, new QPlainTextEdit) {
    QObject::connect(textEdit(), &QPlainTextEdit::textChanged, [this] { userEdited(); });
    watchInput(*textEdit()->viewport(), Input::Mouse);
    watchInput(*textEdit(), Input::Focus);
}

QPlainTextEdit* MemoPeer::textEdit() const { return static_cast<QPlainTextEdit*>(widget()); }

void MemoPeer::sync(TProperty property) {
    if (!widget()) return;
    switch (property) {
    case TProperty::Lines:
        if (fromUser_) break;
        if (memo().Visible()) syncLines();
        else stale_ = true;
        break;
    case TProperty::ReadOnly:
        textEdit()->setReadOnly(memo().ReadOnly);
        textEdit()->setLineWrapMode(memo().WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        break;
    default: ControlPeer::sync(property); break;
    }
}

void MemoPeer::syncVisible() {
    ControlPeer::syncVisible();
    if (stale_ && memo().Visible()) syncLines();
}

void MemoPeer::syncLines() {
    stale_ = false;
    QPlainTextEdit* view = textEdit();
    QString text = joinLines(memo().Lines());
    QString shown = view->toPlainText();
    if (text == shown) return;
    QSignalBlocker block(view);
    // Lines added at the end are appended, so a growing buffer is not
    // rebuilt line by line.
    if (!shown.isEmpty() && text.size() > shown.size() && text.startsWith(shown) && text[shown.size()] == u'\n')
        view->appendPlainText(text.mid(shown.size() + 1));
    else
        view->setPlainText(text);
}

void MemoPeer::userEdited() {
    if (!component()) return;
    fromUser_ = true;
    Guarded([this] { memo().Lines().SetText(FromQt(textEdit()->toPlainText())); });
    fromUser_ = false;
}

void MemoPeer::syncColor() { ApplyBackground(*widget(), memo().Color(), QPalette::Base, false); }

ComboBoxPeer::ComboBoxPeer(TComboBox& combo) : ControlPeer(combo, new QComboBox) {
    QComboBox* box = comboBox();
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // What the user sees is what the control holds: no inline completion.
    box->setCompleter(nullptr);
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, [this](const QString& text) {
        if (component()) Guarded([&] { this->combo().UserSetText(FromQt(text)); });
    });
    QObject::connect(box, &QComboBox::activated, [this](int index) { chosen(index); });
    watchInput(*box, Input::Mouse | Input::Focus);
}

QComboBox* ComboBoxPeer::comboBox() const { return static_cast<QComboBox*>(widget()); }

void ComboBoxPeer::chosen(int index) {
    if (!component()) return;
    Guarded([&] {
        TComboBox& c = combo();
        c.SetItemIndex(index);
        if (c.OnChange) c.OnChange(&c);
    });
}

void ComboBoxPeer::sync(TProperty property) {
    if (!widget()) return;
    QComboBox* box = comboBox();
    switch (property) {
    case TProperty::Items: {
        QStringList items;
        for (std::string_view item : combo().Items()) items.append(ToQt(item));
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown.append(box->itemText(i));
        if (items != shown) {
            QSignalBlocker block(box);
            box->clear();
            box->addItems(items);
            box->setCurrentIndex(combo().ItemIndex());
            syncText();
        }
        break;
    }
    case TProperty::ItemIndex: {
        QSignalBlocker block(box);
        box->setCurrentIndex(combo().ItemIndex());
        syncText();
        break;
    }
    default: ControlPeer::sync(property); break;
    }
}

void ComboBoxPeer::syncText() {
    QString text = ToQt(combo().Text());
    if (comboBox()->currentText() != text) {
        QSignalBlocker block(comboBox());
        comboBox()->setEditText(text);
    }
}

void ComboBoxPeer::syncColor() { ApplyBackground(*widget(), combo().Color(), QPalette::Base, false); }

} // namespace gui
