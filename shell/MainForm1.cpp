#include "MainForm1.hpp"

#include "accessibility.hpp"
#include "glass_view.hpp"
#include "menu.hpp"
#include "qt_text.hpp"
#include "window_layout.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QUrl>
#include <map>

quellfin::shell::TMainForm* MainForm = nullptr;

namespace quellfin::shell {

namespace {

QRect ToRect(const Box& b) {
    return {b.x, b.y, b.width, b.height};
}

template <typename Widget> Widget* Named(Widget* widget, std::string_view name, const Box& box) {
    widget->setObjectName(ToQString(name));
    widget->setGeometry(ToRect(box));
    return widget;
}

// Widens a caption that its font draws wider than its box, as far as the room beside it allows.
void WidenToFit(QWidget* widget, std::string_view group, const Box& box) {
    const int wanted = widget->sizeHint().width();
    if (wanted > box.width) {
        widget->resize(std::min(wanted, RoomToTheRight(group, box)), box.height);
    }
}

// Drops whole words from the end until the text fits.
QString TrimAtWord(const QString& text, const QFontMetrics& metrics, int width) {
    QString shown = text;
    while (metrics.horizontalAdvance(shown) > width) {
        const qsizetype space = shown.lastIndexOf(QLatin1Char(' '));
        if (space <= 0) {
            break;
        }
        shown.truncate(space);
    }
    return shown;
}

std::string_view LabelTextOf(std::string_view control) {
    for (const InputDefinition& d : kInputs) {
        if (d.name == control) {
            return d.label;
        }
    }
    for (const ChoiceDefinition& d : kChoices) {
        if (d.name == control) {
            return d.label;
        }
    }
    return {};
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      form_(UserSeparators()), openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    MainForm = this;
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(ToQString(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    QFont uiFont = font();
    uiFont.setPixelSize(kFontPixelSize);
    setFont(uiFont);

    MenuBar1 = Named(BuildMenuBar(this, {[this] { MenuItem5Click(); },
                                         [this](std::string_view url) { openLink(url); }}),
                     "MenuBar1", kMenuBar);
    buildGroups();

    Memo1 = Named(new QPlainTextEdit(this), kMemoName, kMemo);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setTabChangesFocus(true);
    printer_ = new ReportPrinter(
        form_, [this] { return glassOptions(); }, this);
    AddReportPrinting(this, Memo1, *printer_);

    // Tab visits the components in the window's own order.
    QWidget* previous = nullptr;
    for (const std::string_view name : TabChain()) {
        auto* widget = findChild<QWidget*>(ToQString(name));
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    DescribeForScreenReaders(this);

    form_.addReportObserver([this] { showForm(); });
    showForm(); // the report of the run made when the form state was built
    glassView_ =
        new GlassView(form_, numberBoxes_[static_cast<std::size_t>(InputId::steklo)], this);
}

const GlassOptions& TMainForm::glassOptions() const noexcept {
    return glassView_->options();
}

TMainForm::~TMainForm() {
    // A number box that loses the focus commits its edit. Let that happen now, while the form and
    // the report still exist, not while the widgets are being torn down.
    if (QWidget* focused = focusWidget()) {
        focused->clearFocus();
    }
    if (MainForm == this) {
        MainForm = nullptr;
    }
}

void TMainForm::buildGroups() {
    std::map<std::string_view, QGroupBox*> groups;
    for (const GroupLayout& g : kGroups) {
        auto* group = Named(new QGroupBox(ToQString(g.caption), this), g.name, g.box);
        groups[g.name] = group;
    }
    for (const ControlLayout& c : kControls) {
        QGroupBox* group = groups.at(c.group);
        auto* label = Named(new QLabel(ToQString(LabelTextOf(c.name)), group), c.label, c.labelBox);
        WidenToFit(label, c.group, c.labelBox);
        if (c.label == kTrimmingLabel) {
            label->setText(TrimAtWord(label->text(), label->fontMetrics(), label->width()));
        }
        if (const auto input = std::find_if(kInputs.begin(), kInputs.end(),
                                            [&](const auto& d) { return d.name == c.name; });
            input != kInputs.end()) {
            auto* box = Named(new NumberBox(form_, input->id, group), c.name, c.box);
            numberBoxes_[static_cast<std::size_t>(input->id)] = box;
        } else {
            const auto choice = std::find_if(kChoices.begin(), kChoices.end(),
                                             [&](const auto& d) { return d.name == c.name; });
            Named(new ChoiceBox(form_, choice->id, group), c.name, c.box);
        }
    }
    QGroupBox* construction = groups.at(kConstructionGroup);
    for (std::size_t i = 0; i < kRadioButtons.size(); ++i) {
        const RadioLayout& r = kRadioButtons[i];
        radioButtons_[i] =
            Named(new RadioBox(form_, kRadios[i].id, ToQString(kRadios[i].text), construction),
                  r.name, r.box);
        WidenToFit(radioButtons_[i], kConstructionGroup, r.box);
    }
    for (const PictureLayout& p : kPictures) {
        Named(new PictureBox(ToQString(p.resource), construction), p.name, p.box);
    }
}

void TMainForm::CalcularClick() {
    form_.CalcularClick();
}

void TMainForm::MenuItem5Click() {
    QCoreApplication::quit();
}

void TMainForm::openLink(std::string_view url) const {
    if (openUrl_) {
        openUrl_(QUrl(ToQString(url)));
    }
}

void TMainForm::updateSeparators() {
    form_.setSeparators(UserSeparators());
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        updateSeparators();
    }
    QWidget::changeEvent(event);
}

void TMainForm::showForm() {
    QString text;
    const Report& report = form_.report();
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i != 0) {
            text += QLatin1Char('\n');
        }
        text += QString::fromStdString(report[i]);
    }
    Memo1->setPlainText(text);
    for (NumberBox* box : numberBoxes_) {
        box->showFieldText();
    }
    for (RadioBox* radio : radioButtons_) {
        radio->showFormState();
    }
}

} // namespace quellfin::shell
