#pragma once

// The report on paper and in PDF: a document built from the core's texts (a title with the
// program's name, the date and the tank's outer size, the 37 report lines, then the glass check),
// printed through the printer dialog or written to a PDF file in one atomic step.

#include "quellfin/form_state.hpp"
#include "quellfin/glass_check.hpp"

#include <QDate>
#include <QLocale>
#include <QObject>
#include <QPageSize>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QTextDocument;
class QWidget;

namespace quellfin::shell {

// "60 x 30 x 40 cm": width x depth x height, with the form's decimal separator.
QString TankSizeText(const FormState& form);

// "Quellfin 60x30x40.pdf"
QString ProposedPdfName(const FormState& form);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize PageSizeFor(const QLocale& locale);

// The printout as text (so a PDF of it can be searched and copied): the title, the report lines in
// order, the glass check table with its result line, the floor load and the notes.
std::unique_ptr<QTextDocument> BuildReportDocument(const FormState& form,
                                                   const GlassOptions& options,
                                                   const QLocale& locale, QDate date);

// Writes `document` as a PDF to `path` through a temporary file that is renamed into place only
// when everything was written. Returns the reason on failure (and leaves no file behind), an empty
// string on success.
QString WritePdf(const QTextDocument& document, const QString& path, const QPageSize& pageSize);

// Prints the report and saves it as PDF for a window. Its dialogs can be replaced (tests).
class ReportPrinter : public QObject {
public:
    // Asks where to save: the proposed path in, the chosen one out (empty: cancelled). The real
    // one is the platform's save dialog, which confirms before an existing file is replaced.
    using FileDialog = std::function<QString(QWidget* parent, const QString& proposedPath)>;
    // Lets the user set up `printer`; false: cancelled.
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;
    // The glass check's options the window has at the moment.
    using GlassOptionsSource = std::function<GlassOptions()>;

    ReportPrinter(const FormState& form, GlassOptionsSource options, QWidget* window);

    void setFileDialog(FileDialog dialog) { fileDialog_ = std::move(dialog); }
    void setPrintDialog(PrintDialog dialog) { printDialog_ = std::move(dialog); }

    // "Imprimir…" (Ctrl+P in the window) and "Salvar como PDF…".
    [[nodiscard]] QAction* printAction() const noexcept { return print_; }
    [[nodiscard]] QAction* savePdfAction() const noexcept { return savePdf_; }

    [[nodiscard]] std::unique_ptr<QTextDocument> document() const;
    void print();
    // Asks for a file name and writes the PDF there; a failure is shown in a message box with the
    // file name and the reason. Returns whether a file was written.
    bool saveAsPdf();

private:
    [[nodiscard]] QWidget* window() const;

    const FormState& form_;
    GlassOptionsSource options_;
    FileDialog fileDialog_;
    PrintDialog printDialog_;
    QAction* print_ = nullptr;
    QAction* savePdf_ = nullptr;
};

// The report area's context menu: the text edit's own entries (Copy, Select All), then printing
// and saving as PDF. The caller owns the menu.
QMenu* BuildReportMenu(QPlainTextEdit* memo, const ReportPrinter& printer);

// Gives `memo` that context menu (right button, Menu key, Shift+F10) and the window the print
// shortcut.
void AddReportPrinting(QWidget* window, QPlainTextEdit* memo, const ReportPrinter& printer);

} // namespace quellfin::shell
