#include "glass_view.hpp"

#include "accessibility.hpp"
#include "qt_text.hpp"
#include "quellfin/glass_text.hpp"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>

namespace quellfin::shell {

namespace {

constexpr auto kTitle = "Verificação do vidro";
// In the order the choice offers them.
constexpr std::array<TopSupport, 2> kTopChoices{TopSupport::Rimless, TopSupport::Braced};

QString IconResource(GlassStatus status) {
    switch (status) {
    case GlassStatus::Ok:
        return QStringLiteral(":/quellfin/glass-ok.svg");
    case GlassStatus::Low:
        return QStringLiteral(":/quellfin/glass-low.svg");
    case GlassStatus::Unsafe:
        return QStringLiteral(":/quellfin/glass-unsafe.svg");
    case GlassStatus::NoWater:
        break;
    }
    return QStringLiteral(":/quellfin/glass-no-water.svg");
}

QString Tooltip(const GlassCheck& check, char32_t decimal) {
    return ToQString(GlassSummary(check, decimal)) + QLatin1Char('\n') +
           ToQString(GlassAssumption(check)) +
           QStringLiteral("\nClique no ícone ou pressione F1 para ver todos os vidros.");
}

} // namespace

GlassDetails::GlassDetails(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GlassDetails"));
    setWindowTitle(QString::fromUtf8(kTitle));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("GlassVerdict"));
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("GlassSummary"));
    layout->addWidget(verdict_);
    layout->addWidget(summary_);

    table_ = new QTableWidget(3, static_cast<int>(GlassTable::kColumns), this);
    table_->setObjectName(QStringLiteral("GlassTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(table_);

    floorLoad_ = new QLabel(this);
    floorLoad_->setObjectName(QStringLiteral("GlassFloorLoad"));
    layout->addWidget(floorLoad_);

    auto* choices = new QFormLayout;
    top_ = new QComboBox(this);
    top_->setObjectName(QStringLiteral("GlassTopSupport"));
    for (TopSupport top : kTopChoices) {
        top_->addItem(ToQString(TopSupportText(top)));
    }
    choices->addRow(QStringLiteral("Topo do aquário:"), top_);
    bottom_ = new QComboBox(this);
    bottom_->setObjectName(QStringLiteral("GlassBottomSupport"));
    for (BottomSupport support : {BottomSupport::Flat, BottomSupport::Edges}) {
        bottom_->addItem(ToQString(BottomSupportText(support)));
    }
    choices->addRow(QStringLiteral("Apoio do fundo:"), bottom_);
    layout->addLayout(choices);
    for (QComboBox* choice : {top_, bottom_}) {
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (onOptionsChanged_) {
                onOptionsChanged_(chosenOptions());
            }
        });
    }

    notes_ = new QLabel(this);
    notes_->setObjectName(QStringLiteral("GlassNotes"));
    notes_->setWordWrap(true);
    layout->addWidget(notes_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fechar"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

GlassOptions GlassDetails::chosenOptions() const {
    GlassOptions options;
    options.top = kTopChoices[static_cast<std::size_t>(std::max(top_->currentIndex(), 0))];
    options.bottom = bottom_->currentIndex() == 0 ? BottomSupport::Flat : BottomSupport::Edges;
    return options;
}

void GlassDetails::showCheck(const GlassCheck& check, char32_t decimal) {
    verdict_->setText(ToQString(StatusText(check.status)));
    summary_->setText(ToQString(GlassSummary(check, decimal)));

    const GlassTable table = MakeGlassTable(check, decimal);
    for (std::size_t c = 0; c < GlassTable::kColumns; ++c) {
        table_->setHorizontalHeaderItem(static_cast<int>(c),
                                        new QTableWidgetItem(ToQString(table.header[c])));
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < GlassTable::kColumns; ++c) {
            auto* item = new QTableWidgetItem(ToQString(table.rows[r][c]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->resizeColumnsToContents();

    floorLoad_->setText(ToQString(FloorLoadText(check, decimal)));
    {
        const QSignalBlocker quietTop(top_);
        const QSignalBlocker quietBottom(bottom_);
        top_->setCurrentIndex(check.options.top == kTopChoices[0] ? 0 : 1);
        bottom_->setCurrentIndex(check.options.bottom == BottomSupport::Flat ? 0 : 1);
    }
    QStringList notes;
    for (const std::string& note : GlassNotes(check, decimal)) {
        notes << QStringLiteral("• ") + ToQString(note);
    }
    notes_->setText(notes.join(QLatin1Char('\n')));
}

GlassView::GlassView(FormState& form, QLineEdit* thickness, QWidget* window)
    : QObject(window), form_(form), thickness_(thickness), window_(window),
      verdict_(new QAction(this)) {
    verdict_->setObjectName(QStringLiteral("GlassVerdictIcon"));
    thickness_->addAction(verdict_, QLineEdit::TrailingPosition);
    // The icon takes room at the right; as much at the left keeps the number centred.
    verdictButton_ = thickness_->findChild<QToolButton*>();
    if (verdictButton_ != nullptr) {
        thickness_->setTextMargins(verdictButton_->sizeHint().width(), 0, 0, 0);
    }
    connect(verdict_, &QAction::triggered, this, &GlassView::showDetails);
    thickness_->installEventFilter(this);
    form_.addReportObserver([this] { update(); });
    update();
}

void GlassView::setOptions(GlassOptions options) {
    options_ = options;
    update();
}

void GlassView::update() {
    const char32_t decimal = form_.separators().decimal;
    check_ = CheckGlass(form_.fields(), form_.quantities(), options_);
    if (details_ != nullptr) {
        details_->showCheck(check_, decimal);
    }
    // Most recalculations leave the verdict and its words as they were (a radio click runs three).
    const QString tip = Tooltip(check_, decimal);
    if (shownStatus_ == check_.status && tip == thickness_->toolTip()) {
        return;
    }
    if (shownStatus_ != check_.status) {
        QIcon& icon = icons_[static_cast<std::size_t>(check_.status)];
        if (icon.isNull()) {
            icon = QIcon(IconResource(check_.status));
        }
        verdict_->setIcon(icon);
        verdict_->setText(ToQString(StatusText(check_.status)));
        shownStatus_ = check_.status;
    }
    verdict_->setToolTip(tip);
    thickness_->setToolTip(tip);
    if (verdictButton_ != nullptr) {
        DescribeGlassVerdict(verdictButton_, check_, decimal);
    }
}

void GlassView::showDetails() {
    if (details_ == nullptr) {
        details_ = new GlassDetails(window_);
        details_->setOnOptionsChanged([this](GlassOptions options) { setOptions(options); });
        details_->showCheck(check_, form_.separators().decimal);
    }
    details_->show();
    details_->raise();
    details_->activateWindow();
}

bool GlassView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == thickness_) {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
            showDetails();
            return true;
        }
        if (event->type() == QEvent::ContextMenu) {
            const auto* request = static_cast<QContextMenuEvent*>(event);
            QMenu* menu = thickness_->createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addSeparator();
            QAction* details = menu->addAction(QString::fromUtf8(kTitle) + QStringLiteral("…"));
            details->setObjectName(QStringLiteral("GlassDetailsEntry"));
            details->setShortcut(QKeySequence(Qt::Key_F1));
            connect(details, &QAction::triggered, this, &GlassView::showDetails);
            menu->popup(request->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quellfin::shell
