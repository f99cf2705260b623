#include "MainForm1.hpp"
#include "application.hpp"
#include "menu.hpp"
#include "window_layout.hpp"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <memory>
#include <stdexcept>

using namespace quellfin;
using namespace quellfin::shell;

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString JoinedReport(const Report& report) {
    QStringList lines;
    for (const std::string& line : report) {
        lines << QString::fromStdString(line);
    }
    return lines.join(QLatin1Char('\n'));
}

void Wheel(QWidget* widget, int steps) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    for (int i = 0; i < std::abs(steps); ++i) {
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, steps < 0 ? -120 : 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }
}

void SelectAllAndType(QWidget* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TMainForm> window;
    long runsBefore = 0;
    QList<bool> methods; // for every run: walls on the bottom?

    long runs() const { return window->form().runCount() - runsBefore; }
    template <typename T> T* child(const char* name) const {
        auto* found = window->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no component named %s", name);
        }
        return found;
    }
    QString memo() const { return child<QPlainTextEdit>("Memo1")->toPlainText(); }

private Q_SLOTS:
    void init() {
        window = std::make_unique<TMainForm>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        runsBefore = window->form().runCount();
        methods.clear();
        window->form().addReportObserver(
            [this] { methods << window->form().fields().RadioButton1Checked; });
    }
    void cleanup() { window.reset(); }

    void reportIsThereBeforeTheWindowShows() {
        TMainForm fresh;
        QCOMPARE(fresh.form().runCount(), 1);
        QCOMPARE(fresh.findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
                 JoinedReport(FormState(UserSeparators()).report()));
        QCOMPARE(MainForm, &fresh);
    }

    void windowIsFixedWithItsCaption() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quellfin v1.0"));
        QCOMPARE(window->size(), QSize(938, 667));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
        auto* memo = child<QPlainTextEdit>("Memo1");
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->document()->blockCount(), 37);
    }

    void componentsStandWhereTheLayoutPutsThem() {
        QCOMPARE(child<QMenuBar>("MenuBar1")->geometry(), QRect(0, 0, 938, 30));
        QCOMPARE(child<QPlainTextEdit>("Memo1")->geometry(), QRect(489, 48, 432, 610));
        for (const GroupLayout& g : kGroups) {
            auto* group = child<QGroupBox>(g.name.data());
            QCOMPARE(group->geometry(), QRect(g.box.x, g.box.y, g.box.width, g.box.height));
            QCOMPARE(group->title(), Q(g.caption));
        }
        for (const ControlLayout& c : kControls) {
            auto* control = child<QWidget>(c.name.data());
            QCOMPARE(control->parentWidget()->objectName(), Q(c.group));
            QCOMPARE(control->geometry(), QRect(c.box.x, c.box.y, c.box.width, c.box.height));
            auto* label = child<QLabel>(c.label.data());
            QCOMPARE(label->pos(), QPoint(c.labelBox.x, c.labelBox.y));
            QVERIFY(label->width() >= c.labelBox.width);
            // Nothing is cut off: a caption either fits or was trimmed at a word on purpose.
            QVERIFY2(label->sizeHint().width() <= label->width(), c.label.data());
            QVERIFY(c.label == kTrimmingLabel || label->text() != QString());
        }
        for (const RadioLayout& r : kRadioButtons) {
            auto* radio = child<QRadioButton>(r.name.data());
            QCOMPARE(radio->pos(), QPoint(r.box.x, r.box.y));
            QVERIFY2(radio->sizeHint().width() <= radio->width(), r.name.data());
        }
        for (const PictureLayout& p : kPictures) {
            auto* picture = child<QWidget>(p.name.data());
            QCOMPARE(picture->geometry(), QRect(p.box.x, p.box.y, p.box.width, p.box.height));
            QVERIFY(picture->isVisible());
        }
        QCOMPARE(child<QLabel>("Label14")->text(), QStringLiteral("De canto até a água (cm)"));
        QCOMPARE(child<QComboBox>("plotnost")->itemText(2),
                 QStringLiteral("Pedras de mármore (2,7)"));
        QCOMPARE(child<QLineEdit>("dlina")->text(), QStringLiteral("60.00"));
        QCOMPARE(child<QLineEdit>("dlina")->alignment(), Qt::AlignCenter);
    }

    void tabVisitsTheComponentsInTheWindowsOrder() {
        const QStringList expected{"grunt",   "voda",  "plotnost",     "rastenia",    "riba",
                                   "zatirka", "sloi",  "steklo",       "visota",      "shirina",
                                   "dlina",   "Memo1", "RadioButton2", "RadioButton1"};
        QStringList chain;
        for (const std::string_view name : TabChain()) {
            chain << Q(name);
        }
        QCOMPARE(chain, expected);

        child<QWidget>("grunt")->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
        QCOMPARE(runs(), 0);
    }

    void numberBoxCommitsOnEnterOnlyWhenItsTextChanged() {
        auto* dlina = child<QLineEdit>("dlina");
        dlina->setFocus();
        SelectAllAndType(dlina, QStringLiteral("80"));
        QCOMPARE(runs(), 0); // typing alone fires nothing
        QTest::keyClick(dlina, Qt::Key_Return);
        QCOMPARE(runs(), 1);
        QVERIFY(dlina->hasFocus());
        QCOMPARE(dlina->text(), QStringLiteral("80.00"));
        QVERIFY(memo().contains(QStringLiteral("Vidro de fundo: 80 x 30 cm - 1 unidade")));
        QTest::keyClick(dlina, Qt::Key_Enter);
        QCOMPARE(runs(), 1);

        SelectAllAndType(dlina, QStringLiteral("80")); // the same number, another text
        QTest::keyClick(dlina, Qt::Key_Return);
        QCOMPARE(runs(), 2);

        SelectAllAndType(dlina, QStringLiteral("123"));
        QTest::keyClick(dlina, Qt::Key_Escape);
        QCOMPARE(dlina->text(), QStringLiteral("80.00"));
        QTest::keyClick(dlina, Qt::Key_Return);
        QCOMPARE(runs(), 2);

        SelectAllAndType(dlina, QStringLiteral("abc")); // letters are refused at the keyboard
        QCOMPARE(dlina->text(), QStringLiteral("80.00"));
        QTest::keyClick(dlina, Qt::Key_Backspace);
        QCOMPARE(dlina->text(), QString());
        QTest::keyClick(dlina, Qt::Key_Return); // empty: the minimum
        QCOMPARE(dlina->text(), QStringLiteral("0.00"));
        QCOMPARE(runs(), 3);
    }

    void numberBoxCommitsWhenLeftAfterTyping() {
        auto* steklo = child<QLineEdit>("steklo");
        steklo->setFocus();
        QTest::keyClick(steklo, Qt::Key_Tab); // left without typing
        QCOMPARE(runs(), 0);
        steklo->setFocus();
        SelectAllAndType(steklo, QStringLiteral("4.25"));
        QTest::keyClick(steklo, Qt::Key_Tab);
        QCOMPARE(runs(), 1);
        QCOMPARE(steklo->text(), QStringLiteral("4.3"));
        QVERIFY(memo().contains(QStringLiteral("Espessura do vidro: 4.3 mm ")));
    }

    void arrowsAndWheelTakeTheTextOverWithoutStepping() {
        auto* visota = child<QLineEdit>("visota");
        visota->setFocus();
        QTest::keyClick(visota, Qt::Key_Up);
        Wheel(visota, 3);
        QCOMPARE(visota->text(), QStringLiteral("40.00")); // no step
        QCOMPARE(runs(), 0);
        SelectAllAndType(visota, QStringLiteral("45"));
        QTest::keyClick(visota, Qt::Key_Down);
        QCOMPARE(runs(), 1);
        QCOMPARE(visota->text(), QStringLiteral("45.00"));
        SelectAllAndType(visota, QStringLiteral("50"));
        Wheel(visota, -1);
        QCOMPARE(runs(), 2);
        QCOMPARE(window->form().fields().visota.value(), 50.0);
    }

    void choiceListMovesByWheelAndKeys() {
        auto* riba = child<QComboBox>("riba");
        Wheel(riba, -2); // downwards: "Médio" to "Alta quantidade" to "Muito"
        QCOMPARE(riba->currentText(), QStringLiteral("Muito"));
        QCOMPARE(runs(), 2);
        Wheel(riba, -1); // already the last entry
        QCOMPARE(runs(), 2);

        riba->setFocus();
        const struct {
            Qt::Key key;
            const char* expected;
            long runs;
        } steps[] = {
            {Qt::Key_Home, "Somente plantas", 3},
            {Qt::Key_Up, "Somente plantas", 3},
            {Qt::Key_Down, "Muito pouco", 4},
            {Qt::Key_End, "Muito", 5},
            {Qt::Key_PageUp, "Somente plantas", 6},
            {Qt::Key_PageDown, "Muito", 7},
            {Qt::Key_P, "Pouco", 8},
            {Qt::Key_M, "Muito pouco", 9},
            {Qt::Key_M, "Muito pouco", 9},
            {Qt::Key_Z, "Muito pouco", 9},
        };
        for (const auto& step : steps) {
            QTest::keyClick(riba, step.key);
            QCOMPARE(riba->currentText(), QString::fromUtf8(step.expected));
            QCOMPARE(runs(), step.runs);
        }
        QCOMPARE(window->form().fields().riba.itemIndex(), 1);
        QVERIFY(memo().contains(QStringLiteral("Volume de filtragem: 100 - 500 l/h ")));
    }

    // Arrows and letters count only without a modifier; Home, End and the page keys also with
    // Shift. Alt+Up/Down may open the drop-down but never change the entry. `text` is what the
    // keyboard would type with those modifiers ("M" is Shift+M, or M with Caps Lock).
    void choiceListKeysAndModifiers_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("runs");
        QTest::addColumn<bool>("opens");
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        const int alt = Qt::AltModifier;
        const int meta = Qt::MetaModifier;
        const int keypad = Qt::KeypadModifier;
        const struct {
            const char* name;
            Qt::Key key;
            const char* text;
            int modifiers, start, expected, runs;
            bool opens;
        } rows[] = {
            // riba: 0 Somente plantas, 1 Muito pouco, 2 Pouco, 3 Médio, 4 Alta quantidade, 5 Muito
            {"Down", Qt::Key_Down, "", none, 3, 4, 1, false},
            {"Down on the last", Qt::Key_Down, "", none, 5, 5, 0, false},
            {"Up", Qt::Key_Up, "", none, 3, 2, 1, false},
            {"Up on the first", Qt::Key_Up, "", none, 0, 0, 0, false},
            {"Right", Qt::Key_Right, "", none, 3, 4, 1, false},
            {"Left", Qt::Key_Left, "", none, 3, 2, 1, false},
            {"keypad Down", Qt::Key_Down, "", keypad, 3, 4, 1, false},
            {"Shift+Down", Qt::Key_Down, "", shift, 3, 3, 0, false},
            {"Shift+Up", Qt::Key_Up, "", shift, 3, 3, 0, false},
            {"Shift+Right", Qt::Key_Right, "", shift, 3, 3, 0, false},
            {"Ctrl+Down", Qt::Key_Down, "", ctrl, 3, 3, 0, false},
            {"Ctrl+Left", Qt::Key_Left, "", ctrl, 3, 3, 0, false},
            {"Meta+Up", Qt::Key_Up, "", meta, 3, 3, 0, false},
            {"Ctrl+Shift+Down", Qt::Key_Down, "", ctrl | shift, 3, 3, 0, false},
            {"Alt+Down opens", Qt::Key_Down, "", alt, 3, 3, 0, true},
            {"Alt+Up opens", Qt::Key_Up, "", alt, 3, 3, 0, true},
            {"Alt+Right", Qt::Key_Right, "", alt, 3, 3, 0, false},
            {"P", Qt::Key_P, "p", none, 3, 2, 1, false},
            {"M", Qt::Key_M, "m", none, 3, 1, 1, false},
            {"M with Caps Lock", Qt::Key_M, "M", none, 3, 1, 1, false},
            {"M on its entry", Qt::Key_M, "m", none, 1, 1, 0, false},
            {"Z, no entry", Qt::Key_Z, "z", none, 3, 3, 0, false},
            {"Shift+M", Qt::Key_M, "M", shift, 3, 3, 0, false},
            {"Shift+P", Qt::Key_P, "P", shift, 3, 3, 0, false},
            {"Ctrl+M", Qt::Key_M, "\r", ctrl, 3, 3, 0, false},
            {"Alt+M", Qt::Key_M, "m", alt, 3, 3, 0, false},
            {"Meta+P", Qt::Key_P, "p", meta, 3, 3, 0, false},
            {"digit", Qt::Key_1, "1", none, 3, 3, 0, false},
            {"Home", Qt::Key_Home, "", none, 3, 0, 1, false},
            {"Home on the first", Qt::Key_Home, "", none, 0, 0, 0, false},
            {"Shift+Home", Qt::Key_Home, "", shift, 3, 0, 1, false},
            {"Ctrl+Home", Qt::Key_Home, "", ctrl, 3, 3, 0, false},
            {"End", Qt::Key_End, "", none, 3, 5, 1, false},
            {"Shift+End", Qt::Key_End, "", shift, 3, 5, 1, false},
            {"Alt+End", Qt::Key_End, "", alt, 3, 3, 0, false},
            {"Page Down", Qt::Key_PageDown, "", none, 0, 5, 1, false},
            {"Shift+Page Down", Qt::Key_PageDown, "", shift, 0, 5, 1, false},
            {"Shift+Page Down on the last", Qt::Key_PageDown, "", shift, 5, 5, 0, false},
            {"Ctrl+Page Down", Qt::Key_PageDown, "", ctrl, 0, 0, 0, false},
            {"Alt+Page Down", Qt::Key_PageDown, "", alt, 0, 0, 0, false},
            {"Page Up", Qt::Key_PageUp, "", none, 5, 0, 1, false},
            {"Shift+Page Up", Qt::Key_PageUp, "", shift, 5, 0, 1, false},
            {"Meta+Page Up", Qt::Key_PageUp, "", meta, 5, 5, 0, false},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.name) << int(r.key) << QString::fromLatin1(r.text) << r.modifiers
                                  << r.start << r.expected << r.runs << r.opens;
        }
    }
    void choiceListKeysAndModifiers() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(int, start);
        QFETCH(int, expected);
        QFETCH(int, runs);
        QFETCH(bool, opens);
        auto* riba = child<QComboBox>("riba");
        riba->setFocus();
        riba->setCurrentIndex(start);
        const long before = window->form().runCount();
        QTest::sendKeyEvent(QTest::Click, riba, Qt::Key(key), text,
                            Qt::KeyboardModifiers(modifiers));
        QWidget* popup = QApplication::activePopupWidget();
        QCOMPARE(popup != nullptr, opens);
        if (popup != nullptr) {
            popup->close();
        }
        QCOMPARE(riba->currentIndex(), expected);
        QCOMPARE(window->form().fields().riba.itemIndex(), expected);
        QCOMPARE(window->form().runCount() - before, runs);
    }

    void radioClickRunsClickThenBothChanges() {
        auto* second = child<QRadioButton>("RadioButton2");
        auto* first = child<QRadioButton>("RadioButton1");
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(methods, (QList<bool>{true, false, false}));
        QVERIFY(second->isChecked());
        QVERIFY(!first->isChecked());
        QVERIFY(memo().contains(QStringLiteral("Vidro de fundo: 59 x 29 cm - 1 unidade")));

        QTest::mouseClick(second, Qt::LeftButton); // the checked one: the click alone
        QCOMPARE(methods.size(), 4);

        // A double click as the platform delivers it: press, release, double click, release.
        const QPoint at = second->rect().center();
        QTest::mousePress(second, Qt::LeftButton, {}, at);
        QTest::mouseRelease(second, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, second->mapToGlobal(at),
                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(second, &doubleClick);
        QTest::mouseRelease(second, Qt::LeftButton, {}, at);
        QCOMPARE(methods.size(), 6);

        second->setFocus();
        QTest::keyClick(second, Qt::Key_Space); // checked: nothing
        QCOMPARE(methods.size(), 6);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Space);
        QCOMPARE(methods.mid(6), (QList<bool>{false, true, true}));
        QVERIFY(first->isChecked());
        QVERIFY(!second->isChecked());
    }

    void menuHasItsEntriesAndStates() {
        for (const MenuEntry& e : kMenu) {
            auto* action = child<QAction>(e.name.data());
            QCOMPARE(action->text(), Q(e.caption));
            QCOMPARE(action->isEnabled(), e.enabled);
            QCOMPARE(action->shortcut(), QKeySequence(Q(e.shortcut)));
            QCOMPARE(action->isChecked(), e.checked);
            QCOMPARE(action->isCheckable(), e.radioGroup != 0);
        }
        QVERIFY(!child<QMenuBar>("MenuBar1")->isNativeMenuBar());
        QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier); // disabled entry
        QCOMPARE(runs(), 0);
        QVERIFY(window->isVisible());
    }

    void linksOpenOneFixedSecureAddressEach() {
        QStringList opened;
        window->setUrlOpener([&](const QUrl& url) { opened << url.toString(); });
        const QString report = memo();
        for (const Link& link : kLinks) {
            child<QAction>(link.entry.data())->trigger();
        }
        QCOMPARE(opened.size(), static_cast<qsizetype>(kLinks.size()));
        for (const QString& url : opened) {
            QVERIFY2(url.startsWith(QStringLiteral("https://")), qPrintable(url));
            QVERIFY(QUrl(url).isValid());
        }
        QCOMPARE(opened.at(0), opened.at(1)); // the two home-page entries
        QCOMPARE(QSet<QString>(opened.begin(), opened.end()).size(), 9);
        QVERIFY(opened.contains(QStringLiteral(
            "https://api.whatsapp.com/send/?phone=5511940217386&text&app_absent=0")));
        QCOMPARE(memo(), report);
        QCOMPARE(runs(), 0);
    }

    void altXEndsTheProgramWithStatusZero() {
        QTimer::singleShot(0, window.get(),
                           [this] { QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void closingTheWindowEndsTheProgramWithStatusZero() {
        QTimer::singleShot(0, window.get(), [this] { window->close(); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void errorsEscapingAHandlerAreShownAndTheProgramGoesOn() {
        struct Thrower : QObject {
            bool event(QEvent*) override { throw std::runtime_error("falha no cálculo"); }
        } thrower;
        QStringList shown;
        Application::setErrorReporter([&](const QString& message) { shown << message; });
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        Application::setErrorReporter({});
        QCOMPARE(shown, QStringList{QStringLiteral("falha no cálculo")});
        QVERIFY(window->isVisible());
    }

    void destroyingTheShownWindowWithAnEditPendingIsSafe() {
        auto shown = std::make_unique<TMainForm>();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        int reports = 0;
        shown->form().addReportObserver([&] { ++reports; });
        auto* dlina = shown->findChild<QLineEdit*>(QStringLiteral("dlina"));
        dlina->setFocus();
        SelectAllAndType(dlina, QStringLiteral("80"));
        shown.reset();        // still shown, the edit not yet committed
        QCOMPARE(reports, 1); // committed as on leaving the field, while the window was whole
        QVERIFY(MainForm == nullptr);
    }

    void newSeparatorsRewriteTheTextsWithoutARun() {
        window->form().setSeparators({U',', U'.'});
        QCOMPARE(child<QLineEdit>("dlina")->text(), QStringLiteral("60,00"));
        QVERIFY(memo().contains(QStringLiteral("Peso do substrato: 15,56 kg ")));
        QCOMPARE(runs(), 0);
        QEvent change(QEvent::LocaleChange); // the system's own separators come back
        QApplication::sendEvent(window.get(), &change);
        QCOMPARE(window->form().separators(), UserSeparators());
    }
};

int RunWindowTests(int argc, char** argv) {
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_test.moc"
