#pragma once

// Thin views over the calculator's fields: each widget turns the user's events into actions on the
// form state and shows what its field then holds.

#include "quellfin/form_state.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace quellfin::shell {

// A number entry: commits on Enter (keeping the focus) and on losing the focus when its text
// changed since the last commit; Escape brings back the stored value's text; Up, Down and the
// wheel take the typed text over without stepping; dragging does nothing.
class NumberBox : public QLineEdit {
public:
    NumberBox(FormState& form, InputId id, QWidget* parent);

    // Shows the field's text (after a commit, a store or new separators).
    void showFieldText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    [[nodiscard]] const NumberField& field() const { return form_.fields().input(id_); }

    FormState& form_;
    InputId id_;
};

// A drop-down list whose selection moves by pick, arrows, Home/End, Page Up/Down, first letter and
// wheel, with one change notification per change of entry. Arrows and letters count only without
// a modifier, Home/End and the page keys also with Shift; its keys never reach QComboBox's own
// moves or type-ahead.
class ChoiceBox : public QComboBox {
public:
    ChoiceBox(FormState& form, ChoiceId id, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    [[nodiscard]] const ChoiceList& list() const { return form_.fields().choice(id_); }

    FormState& form_;
    ChoiceId id_;
};

// One of the two construction buttons. Qt reports a click after the toggles; the calculator wants
// the click first, then the changes, so the button leaves its state to the form and shows it.
class RadioBox : public QRadioButton {
public:
    RadioBox(FormState& form, RadioId id, const QString& text, QWidget* parent);

    // Shows whether the form has this button checked.
    void showFormState();

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    FormState& form_;
    RadioId id_;
    bool spaceDown_ = false;
};

// A picture drawn from an SVG resource, fitted to the widget with its aspect ratio kept. It is
// rendered once per size and scale into the pixmap cache, so it stays crisp at any display scale
// and costs a copy on every later paint.
class PictureBox : public QWidget {
public:
    // `cacheSpace` keeps this picture's cached renderings apart from other boxes showing the same
    // resource (a benchmark's floor form draws its own).
    PictureBox(const QString& resource, QWidget* parent, QString cacheSpace = {});

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    QString cacheSpace_;
};

} // namespace quellfin::shell
