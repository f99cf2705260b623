#include "report_printer.hpp"

#include "qt_text.hpp"
#include "quellfin/glass_text.hpp"
#include "quellfin/number_text.hpp"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>

namespace quellfin::shell {

namespace {

constexpr std::string_view kProgramName = "Quellfin";

QString Number(double x, const FormState& form) {
    return ToQString(NumberText(x, form.separators().decimal));
}

// The report's section headings are the lines without a colon ("VOLUME", "LUZ", ...).
bool IsHeading(std::string_view line) {
    return !line.empty() && line.find(':') == std::string_view::npos;
}

class DocumentWriter {
public:
    explicit DocumentWriter(QTextDocument& document) : cursor_(&document) {
        QFont font = QGuiApplication::font();
        font.setPointSizeF(10);
        document.setDefaultFont(font);
    }

    // A new paragraph (the document starts with an empty one), `above` points of space above it.
    void paragraph(const QString& text, qreal points = 9.5, bool bold = false, qreal above = 0) {
        if (!first_) {
            cursor_.insertBlock();
        }
        first_ = false;
        QTextBlockFormat block;
        block.setTopMargin(above);
        cursor_.setBlockFormat(block);
        cursor_.setBlockCharFormat(characters(points, bold));
        cursor_.insertText(text, characters(points, bold));
    }

    void table(const GlassTable& cells) {
        cursor_.insertBlock();
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderCollapse(true);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0x90, 0x90, 0x90));
        format.setCellPadding(3);
        format.setCellSpacing(0);
        format.setTopMargin(6);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        // Room for the longest heading word of each column.
        format.setColumnWidthConstraints({Percent(20), Percent(13), Percent(8), Percent(14),
                                          Percent(14), Percent(18), Percent(13)});
        QTextTable* table = cursor_.insertTable(static_cast<int>(cells.rows.size() + 1),
                                                static_cast<int>(GlassTable::kColumns), format);
        const auto fill = [&](int row, const GlassTable::Row& texts, bool bold) {
            for (std::size_t c = 0; c < texts.size(); ++c) {
                QTextCursor cell = table->cellAt(row, static_cast<int>(c)).firstCursorPosition();
                QTextBlockFormat alignment;
                alignment.setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
                cell.setBlockFormat(alignment);
                cell.insertText(ToQString(texts[c]), characters(8.5, bold));
            }
        };
        fill(0, cells.header, true);
        for (std::size_t r = 0; r < cells.rows.size(); ++r) {
            fill(static_cast<int>(r + 1), cells.rows[r], false);
        }
        cursor_.movePosition(QTextCursor::End);
    }

private:
    static QTextLength Percent(qreal value) {
        return QTextLength(QTextLength::PercentageLength, value);
    }
    static QTextCharFormat characters(qreal points, bool bold) {
        QTextCharFormat format;
        format.setFontPointSize(points);
        format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        // Any letter spacing turns the font's ligatures off, so "fi" stays two letters that a
        // search in the PDF finds (and a copy gives back).
        format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        format.setFontLetterSpacing(0.1);
        return format;
    }

    QTextCursor cursor_;
    bool first_ = true;
};

} // namespace

QString TankSizeText(const FormState& form) {
    const FieldSet& f = form.fields();
    return QStringLiteral("%1 x %2 x %3 cm")
        .arg(Number(f.dlina.value(), form), Number(f.shirina.value(), form),
             Number(f.visota.value(), form));
}

QString ProposedPdfName(const FormState& form) {
    const FieldSet& f = form.fields();
    QString name = QStringLiteral("%1 %2x%3x%4.pdf")
                       .arg(ToQString(kProgramName), Number(f.dlina.value(), form),
                            Number(f.shirina.value(), form), Number(f.visota.value(), form));
    // A decimal separator that no file system takes in a name.
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    return name;
}

QPageSize PageSizeFor(const QLocale& locale) {
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

std::unique_ptr<QTextDocument> BuildReportDocument(const FormState& form,
                                                   const GlassOptions& options,
                                                   const QLocale& locale, QDate date) {
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, ToQString(kProgramName) +
                                                                   QStringLiteral(" ") +
                                                                   TankSizeText(form));
    DocumentWriter out(*document);
    const char32_t decimal = form.separators().decimal;

    out.paragraph(ToQString(kProgramName), 18, true);
    out.paragraph(
        QStringLiteral("Aquário de %1 (largura x profundidade x altura)").arg(TankSizeText(form)),
        11, false, 2);
    out.paragraph(locale.toString(date, QLocale::LongFormat), 10, false, 2);

    // The blank lines between the report's sections are kept, at half height, so that the whole
    // printout fits on one page.
    bool firstLine = true;
    for (const std::string& line : form.report()) {
        out.paragraph(ToQString(line), line.empty() ? 5 : 9.5, IsHeading(line), firstLine ? 14 : 0);
        firstLine = false;
    }

    const GlassCheck check = CheckGlass(form.fields(), form.quantities(), options);
    out.paragraph(QStringLiteral("VERIFICAÇÃO DO VIDRO"), 9.5, true, 6);
    for (const std::string& line : GlassHeading(check, decimal)) {
        out.paragraph(ToQString(line));
    }
    out.table(MakeGlassTable(check, decimal));
    out.paragraph(ToQString(GlassResult(check, decimal)), 9.5, false, 8);
    out.paragraph(ToQString(FloorLoadText(check, decimal)));
    out.paragraph(QStringLiteral("Notas:"), 9.5, true, 8);
    for (const std::string& note : GlassNotes(check, decimal)) {
        out.paragraph(QStringLiteral("- ") + ToQString(note), 9);
    }
    return document;
}

QString WritePdf(const QTextDocument& document, const QString& path, const QPageSize& pageSize) {
    // Laid out in memory first: the file is only opened once there is something to write.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(ToQString(kProgramName));
        document.print(&writer);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // A short write is retried: the write that then fails says why.
    qint64 written = 0;
    while (written < pdf.size()) {
        const qint64 n = file.write(pdf.constData() + written, pdf.size() - written);
        if (n <= 0) {
            break;
        }
        written += n;
    }
    if (written != pdf.size() || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return {};
}

ReportPrinter::ReportPrinter(const FormState& form, GlassOptionsSource options, QWidget* window)
    : QObject(window), form_(form), options_(std::move(options)),
      fileDialog_([](QWidget* parent, const QString& proposedPath) {
          QFileDialog dialog(parent, QStringLiteral("Salvar como PDF"), proposedPath,
                             QStringLiteral("PDF (*.pdf)"));
          dialog.setAcceptMode(QFileDialog::AcceptSave);
          dialog.setDefaultSuffix(QStringLiteral("pdf"));
          if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
              return QString();
          }
          return dialog.selectedFiles().constFirst();
      }),
      printDialog_([](QWidget* parent, QPrinter& printer) {
          QPrintDialog dialog(&printer, parent);
          dialog.setWindowTitle(QStringLiteral("Imprimir"));
          return dialog.exec() == QDialog::Accepted;
      }) {
    setObjectName(QStringLiteral("ReportPrinter"));
    print_ = new QAction(QStringLiteral("Imprimir…"), this);
    print_->setObjectName(QStringLiteral("PrintReport"));
    print_->setShortcut(QKeySequence::Print);
    print_->setShortcutContext(Qt::WindowShortcut);
    connect(print_, &QAction::triggered, this, [this] { print(); });
    savePdf_ = new QAction(QStringLiteral("Salvar como PDF…"), this);
    savePdf_->setObjectName(QStringLiteral("SaveReportAsPdf"));
    connect(savePdf_, &QAction::triggered, this, [this] { saveAsPdf(); });
}

QWidget* ReportPrinter::window() const {
    return static_cast<QWidget*>(parent());
}

std::unique_ptr<QTextDocument> ReportPrinter::document() const {
    return BuildReportDocument(form_, options_ ? options_() : GlassOptions{}, QLocale(),
                               QDate::currentDate());
}

void ReportPrinter::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(PageSizeFor(QLocale()));
    printer.setDocName(QFileInfo(ProposedPdfName(form_)).completeBaseName());
    if (!printDialog_ || !printDialog_(window(), printer)) {
        return;
    }
    document()->print(&printer);
}

bool ReportPrinter::saveAsPdf() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir()) { // named, but never made
        folder = QDir::homePath();
    }
    const QString proposed = folder + QLatin1Char('/') + ProposedPdfName(form_);
    const QString path = fileDialog_ ? fileDialog_(window(), proposed) : QString();
    if (path.isEmpty()) {
        return false;
    }
    const QString reason = WritePdf(*document(), path, PageSizeFor(QLocale()));
    if (!reason.isEmpty()) {
        QMessageBox::warning(window(), QStringLiteral("Salvar como PDF"),
                             QStringLiteral("Não foi possível salvar o relatório em\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

QMenu* BuildReportMenu(QPlainTextEdit* memo, const ReportPrinter& printer) {
    QMenu* menu = memo->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("ReportMenu"));
    menu->addSeparator();
    menu->addAction(printer.printAction());
    menu->addAction(printer.savePdfAction());
    return menu;
}

void AddReportPrinting(QWidget* window, QPlainTextEdit* memo, const ReportPrinter& printer) {
    window->addAction(printer.printAction()); // Ctrl+P anywhere in the window
    const auto showMenu = [memo, &printer](const QPoint& at) {
        QMenu* menu = BuildReportMenu(memo, printer);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(memo->viewport()->mapToGlobal(at));
    };
    // The right button and the Menu key (on X11; the platform turns it into a menu request).
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(memo, &QWidget::customContextMenuRequested, memo, showMenu);
    // Shift+F10, for keyboards without a Menu key: at the text cursor.
    auto* menuKey = new QAction(memo);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    memo->addAction(menuKey);
    QObject::connect(menuKey, &QAction::triggered, memo,
                     [memo, showMenu] { showMenu(memo->cursorRect().bottomLeft()); });
}

} // namespace quellfin::shell
