// The die tab and the Operating Point window, driven by name on the metric
// worked example as the sample database and case file hold it.

#include <QAbstractAxis>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>

#include "app/operating_point_window.h"
#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

const char* const kDie = "circular:count=4,d=3.5,l=12.5";

QStringList AxisTitles(const QChartView* view) {
    QStringList titles;
    for (const QAbstractAxis* axis : view->chart()->axes()) titles << axis->titleText();
    return titles;
}

}  // namespace

class OperatingPointTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dieTableEditsTheCasesDie();
    void windowShowsFollowsAndExports();
    void measureRefreshAfterAChange();

private:
    bool startOnWorkedExample();
    void editDieCell(int row, int column, const QString& text);
    QWidget* openOperatingPoint();
    QTableWidget* table() const { return m_session->find<QTableWidget>(QStringLiteral("tblDie")); }
    template <class T>
    T* inWindow(const char* name) const {
        return m_session->find<QWidget>(QStringLiteral("frmOperatingPoint"))
            ->findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<Session> m_session;
};

// As `veredod --resins data/resins.dat --case examples/worked-example-metric.txt`
// starts, on copies in the session's folder.
bool OperatingPointTest::startOnWorkedExample() {
    Session& s = *m_session;
    const QString resins = s.path(QStringLiteral("resins.dat"));
    const QString example = s.path(QStringLiteral("worked-example-metric.txt"));
    if (!QFile::copy(QStringLiteral(VEREDOD_SOURCE_DIR "/data/resins.dat"), resins) ||
        !QFile::copy(QStringLiteral(VEREDOD_SOURCE_DIR "/examples/worked-example-metric.txt"),
                     example)) {
        return false;
    }
    s.window = std::make_unique<app::MainWindow>(s.model);
    if (!s.model.startUp({resins.toStdString(), example.toStdString()})) return false;
    s.window->syncFromModel();
    s.window->show();
    if (!QTest::qWaitForWindowExposed(s.window.get())) return false;
    s.window->activateWindow();
    QApplication::setActiveWindow(s.window.get());
    return QTest::qWaitForWindowActive(s.window.get());
}

void OperatingPointTest::init() {
    m_session = std::make_unique<Session>();
    QVERIFY(startOnWorkedExample());
    QCOMPARE(m_session->model.currentCase().ScrewRpm, 100.0);
}

void OperatingPointTest::cleanup() {
    const QStringList problems = m_session->takeProblems();
    m_session.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// F2 opens the cell's editor; Enter hands the text over.
void OperatingPointTest::editDieCell(int row, int column, const QString& text) {
    table()->setFocus();
    table()->setCurrentCell(row, column);
    QTest::keyClick(table(), Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate hands the text over from the event loop.
    QApplication::processEvents();
}

QWidget* OperatingPointTest::openOperatingPoint() {
    m_session->find<QAction>(QStringLiteral("mnuOperatingPoint"))->trigger();
    auto* window = m_session->find<QWidget>(QStringLiteral("frmOperatingPoint"));
    return window != nullptr && QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

void OperatingPointTest::dieTableEditsTheCasesDie() {
    m_session->showTab(3);
    QCOMPARE(table()->horizontalHeaderItem(2)->text(), QStringLiteral("d (mm)"));
    m_session->click(m_session->find<QPushButton>(QStringLiteral("cmdAddDieRow")));
    QCOMPARE(table()->rowCount(), 1);
    editDieCell(0, 1, QStringLiteral("4"));
    editDieCell(0, 2, QStringLiteral("3.5"));
    editDieCell(0, 7, QStringLiteral("12.5"));
    QCOMPARE(FormatDie(m_session->model.die()), std::string(kDie));

    // A refused value is reported and the cell shows the stored one again.
    editDieCell(0, 2, QStringLiteral("0"));
    QCOMPARE(m_session->desktop.takeMessages().size(), size_t(1));
    QCOMPARE(table()->item(0, 2)->text(), QStringLiteral("3.5"));

    auto* shape = qobject_cast<QComboBox*>(table()->cellWidget(0, 0));
    shape->activated(2);
    QCOMPARE(m_session->model.die().elements[0].shape, DieShape::Annulus);
    QVERIFY(!(table()->item(0, 2)->flags() & Qt::ItemIsEnabled));
    QVERIFY(table()->item(0, 5)->flags() & Qt::ItemIsEditable);
}

void OperatingPointTest::windowShowsFollowsAndExports() {
    m_session->model.setDie(ParseDie(kDie).die);
    QWidget* window = openOperatingPoint();
    QVERIFY(window != nullptr);
    auto* text = inWindow<QPlainTextEdit>("txtOperatingPoint");
    const QStringList lines = text->toPlainText().split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("Operating point flow = 81.6877 kg/hr"));
    QCOMPARE(lines.value(1), QStringLiteral("Head pressure = 31.011 bar"));
    auto* characteristics = inWindow<QChartView>("chartCharacteristics");
    auto* sweep = inWindow<QChartView>("chartSweep");
    QCOMPARE(characteristics->chart()->series().size(), 7);
    QCOMPARE(sweep->chart()->series().size(), 5);
    QVERIFY(AxisTitles(sweep).contains(QStringLiteral("Specific energy (kWh/kg)")));

    const QByteArray shot = qgetenv("VEREDOD_OPERATING_POINT_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(window->grab().save(QString::fromLocal8Bit(shot)));
    }

    m_session->click(inWindow<QPushButton>("cmdUsePressure"));
    QCOMPARE(m_session->cell("txtExtSys", 3)->text(), QStringLiteral("31.011"));

    // The window follows a unit switch.
    m_session->click(m_session->find<QRadioButton>(QStringLiteral("optUnits_1")));
    QVERIFY(AxisTitles(characteristics).contains(QStringLiteral("Output (lbs/hr)")));
    QVERIFY(text->toPlainText().contains(QStringLiteral(" psi")));

    const QString csv = m_session->path(QStringLiteral("sweep.csv"));
    m_session->desktop.answerFileDialog(csv.toStdString());
    m_session->click(inWindow<QPushButton>("cmdExportCsv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = file.readAll().split('\n');  // the last row ends too
    const auto* output = static_cast<QXYSeries*>(sweep->chart()->series().first());
    QCOMPARE(rows.size(), output->count() + 2);
    QCOMPARE(rows.front(), QByteArray(kSweepCsvHeader));

    // One window: closing and choosing the menu again brings the same one back.
    window->close();
    QVERIFY(!m_session->model.state().frmOperatingPoint.visible);
    QCOMPARE(openOperatingPoint(), window);
    QCOMPARE(m_session->window->findChildren<QWidget*>(QStringLiteral("frmOperatingPoint")).size(),
             1);
}

// A timing for a person to read, taken only when VEREDOD_MEASURE is set:
// Calculate with the window open, up to the charts painted.
void OperatingPointTest::measureRefreshAfterAChange() {
    if (!qEnvironmentVariableIsSet("VEREDOD_MEASURE")) QSKIP("set VEREDOD_MEASURE");
    m_session->model.setDie(ParseDie(kDie).die);
    auto* window = qobject_cast<app::OperatingPointWindow*>(openOperatingPoint());
    QVERIFY(window != nullptr);
    QAction* calculate = m_session->find<QAction>(QStringLiteral("mnuCalc"));
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        calculate->trigger();
        window->repaint();
        QApplication::processEvents();
        qInfo("Operating Point window refresh after Calculate, run %d: %.1f ms (redraw %.1f ms)",
              run + 1, double(clock.nsecsElapsed()) / 1e6, window->lastRedrawMs());
    }
}

QTEST_MAIN(OperatingPointTest)
#include "operating_point_test.moc"
