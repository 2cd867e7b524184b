// Timings of the window, taken only when VEREDOD_MEASURE is set and printed
// for a person to read; nothing here asserts on time.

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include "gui_fixture.h"

using namespace veredod;
using namespace veredod::guitest;

namespace {

constexpr int kLargeDatabase = kMaxResinIndex + 1;

std::vector<ResinSpec> ManyResins(int count) {
    std::vector<ResinSpec> resins;
    resins.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        resins.push_back(WorkedExampleResin("Resin " + std::to_string(i)));
    return resins;
}

bool Measuring() {
    return qEnvironmentVariableIsSet("VEREDOD_MEASURE");
}

}  // namespace

class MeasureTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void startUpToTheWindowShown();
    void resinCommitWithALargeDatabase();
};

void MeasureTest::init() {
    if (!Measuring()) QSKIP("set VEREDOD_MEASURE to take the timings");
}

void MeasureTest::startUpToTheWindowShown() {
    for (int run = 0; run < 3; ++run) {
        Session session;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(session.start({WorkedExampleResin()}));
        qInfo("start-up to the window shown and active, run %d: %.1f ms", run + 1,
              double(clock.nsecsElapsed()) / 1e6);
        QVERIFY(session.takeProblems().isEmpty());
    }
}

void MeasureTest::resinCommitWithALargeDatabase() {
    Session session;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(session.start(ManyResins(kLargeDatabase)));
    qInfo("start-up with %d resins: %.1f ms", kLargeDatabase, double(clock.nsecsElapsed()) / 1e6);
    QLineEdit* cost = session.cell("txtMatlProp", 1);
    for (int run = 0; run < 3; ++run) {
        session.typeInto(cost, QString::number(3 + run));
        clock.restart();
        QTest::keyClick(cost, Qt::Key_Tab);
        qInfo("resin cell commit with %d resins, run %d: %.1f ms", kLargeDatabase, run + 1,
              double(clock.nsecsElapsed()) / 1e6);
        QCOMPARE(session.model.resinTable().Resins[0].ResinCost, double(3 + run));
    }
    QVERIFY(session.takeProblems().isEmpty());
}

QTEST_MAIN(MeasureTest)
#include "measure_test.moc"
