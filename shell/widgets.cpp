#include "widgets.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QValidator>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>
#include <optional>

namespace quellfin::shell {

namespace {

// Lets in what a number can be typed with: digits, signs, separators, an exponent and blanks.
// Anything else is refused at the keyboard; whatever gets in is read when committed.
class NumberCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        for (const QChar c : input) {
            const bool allowed = c.isDigit() || c.isSpace() || c.unicode() > 0x7F ||
                                 QStringLiteral("+-.,eE").contains(c);
            if (!allowed) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

bool HasModifier(const QKeyEvent* event) {
    return (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
}

// What a key does to a closed list, for exactly the modifiers given (the keypad flag aside): move
// the selection, or (no move) open the drop-down. A key held with modifiers not listed for it does
// nothing. Letters without a modifier select the first entry that begins with them.
struct ChoiceKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<ChoiceList::Move> move;
};

using Move = ChoiceList::Move;
const ChoiceKey kChoiceKeys[] = {
    {Qt::Key_Up, Qt::NoModifier, Move::Previous},
    {Qt::Key_Left, Qt::NoModifier, Move::Previous},
    {Qt::Key_Down, Qt::NoModifier, Move::Next},
    {Qt::Key_Right, Qt::NoModifier, Move::Next},
    {Qt::Key_Home, Qt::NoModifier, Move::First},
    {Qt::Key_Home, Qt::ShiftModifier, Move::First},
    {Qt::Key_End, Qt::NoModifier, Move::Last},
    {Qt::Key_End, Qt::ShiftModifier, Move::Last},
    {Qt::Key_PageUp, Qt::NoModifier, Move::PageBack},
    {Qt::Key_PageUp, Qt::ShiftModifier, Move::PageBack},
    {Qt::Key_PageDown, Qt::NoModifier, Move::PageForward},
    {Qt::Key_PageDown, Qt::ShiftModifier, Move::PageForward},
    // The platform's ways to open the drop-down; it closes itself on Alt+Down, Escape or a pick.
    {Qt::Key_Down, Qt::AltModifier, std::nullopt},
    {Qt::Key_Up, Qt::AltModifier, std::nullopt},
    {Qt::Key_F4, Qt::NoModifier, std::nullopt},
    {Qt::Key_Space, Qt::NoModifier, std::nullopt},
    {Qt::Key_Select, Qt::NoModifier, std::nullopt},
};

} // namespace

NumberBox::NumberBox(FormState& form, InputId id, QWidget* parent)
    : QLineEdit(parent), form_(form), id_(id) {
    setAlignment(Qt::AlignCenter);
    setValidator(new NumberCharacters(this));
    setText(QString::fromStdString(field().text()));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        form_.apply(EditText{id_, text.toStdString()});
    });
}

void NumberBox::showFieldText() {
    const QString text = QString::fromStdString(field().text());
    if (this->text() != text) {
        setText(text);
    }
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        form_.apply(CommitInput{id_});
        break;
    case Qt::Key_Escape:
        form_.apply(RevertInput{id_});
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        form_.apply(TakeOverInput{id_});
        break;
    default:
        QLineEdit::keyPressEvent(event);
        return;
    }
    showFieldText();
    event->accept();
}

void NumberBox::focusOutEvent(QFocusEvent* event) {
    // A popup (our own context menu, say) takes the focus only for a moment.
    if (event->reason() != Qt::PopupFocusReason && field().isEdited()) {
        form_.apply(CommitInput{id_});
        showFieldText();
    }
    QLineEdit::focusOutEvent(event);
}

void NumberBox::wheelEvent(QWheelEvent* event) {
    form_.apply(TakeOverInput{id_});
    showFieldText();
    event->accept();
}

ChoiceBox::ChoiceBox(FormState& form, ChoiceId id, QWidget* parent)
    : QComboBox(parent), form_(form), id_(id) {
    for (const std::string& item : list().items()) {
        addItem(QString::fromStdString(item));
    }
    setCurrentIndex(list().itemIndex());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        form_.apply(SelectEntry{id_, index});
    });
}

void ChoiceBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    const auto row =
        std::find_if(std::begin(kChoiceKeys), std::end(kChoiceKeys), [&](const ChoiceKey& k) {
            return k.key == event->key() && k.modifiers == held;
        });
    if (row != std::end(kChoiceKeys)) {
        if (row->move) {
            setCurrentIndex(list().indexAfter(*row->move));
        } else {
            showPopup();
        }
        event->accept();
        return;
    }
    if (const QString text = event->text();
        held == Qt::NoModifier && text.size() == 1 && text[0].isLetter()) {
        if (const int target = list().indexForLetter(text[0].unicode()); target >= 0) {
            setCurrentIndex(target);
        }
        event->accept();
        return;
    }
    // Every other key, and every navigation key with another modifier, means nothing to a list;
    // it goes on to the window, past QComboBox's own moves and type-ahead.
    QWidget::keyPressEvent(event);
}

void ChoiceBox::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) {
        setCurrentIndex(
            list().indexAfter(delta < 0 ? ChoiceList::Move::Next : ChoiceList::Move::Previous));
    }
    event->accept();
}

RadioBox::RadioBox(FormState& form, RadioId id, const QString& text, QWidget* parent)
    : QRadioButton(text, parent), form_(form), id_(id) {
    setAutoExclusive(false); // the form keeps the pair exclusive, in its own order of events
    showFormState();
    connect(this, &QAbstractButton::clicked, this, [this] { form_.clickRadio(id_); });
}

void RadioBox::showFormState() {
    setChecked(form_.fields().isChecked(id_));
}

void RadioBox::nextCheckState() {
    // The form decides; showFormState() follows it.
}

void RadioBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !HasModifier(event)) {
        if (!event->isAutoRepeat()) {
            spaceDown_ = true;
        }
        event->accept();
        return;
    }
    QRadioButton::keyPressEvent(event);
}

void RadioBox::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        if (spaceDown_) {
            spaceDown_ = false;
            form_.pressSpaceOnRadio(id_);
        }
        event->accept();
        return;
    }
    QRadioButton::keyReleaseEvent(event);
}

void RadioBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click: no second click, and its release fires nothing.
    form_.doubleClickRadio(id_);
    event->accept();
}

PictureBox::PictureBox(const QString& resource, QWidget* parent, QString cacheSpace)
    : QWidget(parent), resource_(resource), cacheSpace_(std::move(cacheSpace)) {}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    const qreal scale = devicePixelRatioF();
    const QSize pixels = size() * scale;
    const QString key = QStringLiteral("%1%2@%3x%4")
                            .arg(cacheSpace_, resource_)
                            .arg(pixels.width())
                            .arg(pixels.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        QSvgRenderer svg(resource_);
        QSizeF fitted = svg.defaultSize();
        fitted.scale(QSizeF(pixels), Qt::KeepAspectRatio);
        pixmap = QPixmap(fitted.toSize());
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        QPixmapCache::insert(key, pixmap);
    }
    pixmap.setDevicePixelRatio(scale);
    const QSizeF shown = QSizeF(pixmap.size()) / scale;
    QPainter painter(this);
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       pixmap);
}

} // namespace quellfin::shell
