// SPDX-License-Identifier: GPL-3.0-or-later
// The die tab and the Operating Point window, driven by name.

#include <QAbstractAxis>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QXYSeries>

#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

const char* const kDie = "circular:count=4,d=3.5,l=12.5";

}  // namespace

class OperatingPointTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dieTableEditsTheCasesDie();
    void windowShowsFollowsAndExports();

private:
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

// On the metric worked example as the sample case file holds it. The case
// names the sample database's resin 12, the same as this database's only one.
void OperatingPointTest::init() {
    m_session = std::make_unique<Session>();
    QVERIFY(m_session->start({WorkedExampleResin()}));
    m_session->model.openCaseFile(VEREDOD_SOURCE_DIR "/examples/worked-example-metric.txt");
    QCOMPARE(m_session->desktop.takeMessages().size(), size_t(1));
    m_session->window->syncFromModel();
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
    m_session->click(m_session->find<QPushButton>(QStringLiteral("cmdAddDieRow")));
    QCOMPARE(table()->rowCount(), 1);
    editDieCell(0, 1, QStringLiteral("4"));
    editDieCell(0, 2, QStringLiteral("3.5"));
    editDieCell(0, 7, QStringLiteral("12.5"));
    QCOMPARE(FormatDie(m_session->model.die()), std::string(kDie));

    // A refused value is reported and the cell shows the stored one again.
    editDieCell(0, 2, QStringLiteral("0"));
    QCOMPARE(m_session->desktop.takeMessages().size(), size_t(1));  // the model's refusal
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
    QVERIFY(text->toPlainText().startsWith(
        QStringLiteral("Operating point flow = 81.6877 kg/hr\nHead pressure = 31.011 bar\n")));
    auto* characteristics = inWindow<QChartView>("chartCharacteristics");
    auto* sweep = inWindow<QChartView>("chartSweep");
    QCOMPARE(characteristics->chart()->series().size(), 7);
    QCOMPARE(sweep->chart()->series().size(), 5);

    const QByteArray shot = qgetenv("VEREDOD_OPERATING_POINT_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTest::qWait(200);
        QVERIFY(window->grab().save(QString::fromLocal8Bit(shot)));
    }

    m_session->click(inWindow<QPushButton>("cmdUsePressure"));
    QCOMPARE(m_session->cell("txtExtSys", 3)->text(), QStringLiteral("31.011"));

    // The window follows a unit switch.
    m_session->click(m_session->find<QRadioButton>(QStringLiteral("optUnits_1")));
    QStringList titles;
    for (const QAbstractAxis* axis : characteristics->chart()->axes()) titles << axis->titleText();
    QVERIFY(titles.contains(QStringLiteral("Output (lbs/hr)")));
    QVERIFY(text->toPlainText().contains(QStringLiteral(" psi")));

    const QString csv = m_session->path(QStringLiteral("sweep.csv"));
    m_session->desktop.answerFileDialog(csv.toStdString());
    m_session->click(inWindow<QPushButton>("cmdExportCsv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto* output = static_cast<QXYSeries*>(sweep->chart()->series().first());
    QCOMPARE(file.readAll().count('\n'), output->count() + 1);  // a header, a row per speed

    // One window: closing and choosing the menu again brings the same one back.
    window->close();
    QVERIFY(!m_session->model.state().frmOperatingPoint.visible);
    QCOMPARE(openOperatingPoint(), window);
    QCOMPARE(m_session->window->findChildren<QWidget*>("frmOperatingPoint").size(), 1);
}

QTEST_MAIN(OperatingPointTest)
#include "operating_point_test.moc"
