// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its texts and links, and that there is only ever one,
// living only while open.

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "app/about_window.h"
#include "app/qt_desktop.h"
#include "gui_fixture.h"
#include "window/about_content.h"

using namespace veredod;

namespace {

QList<QWidget*> AboutWindows() {
    QList<QWidget*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmAbout") && widget->isVisible())
            open << widget;
    }
    return open;
}

void CloseAndDelete(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheTextsAndFollowsOnlyLeftClickedLinks();
    void oneWindowAtATimeThatLivesWhileOpen();
};

void AboutTest::showsTheTextsAndFollowsOnlyLeftClickedLinks() {
    guitest::ScriptedQtDesktop desktop;
    QPointer<QWidget> window = app::ShowAboutWindow(nullptr, desktop);
    QVERIFY(window);
    const AboutContent& about = AboutTexts();
    auto label = [&window](const QString& name) { return window->findChild<QLabel*>(name); };
    QCOMPARE(label("lblTitle")->text(), QString::fromStdString(about.lblTitle));
    for (std::size_t i = 0; i < about.lblWarning.size(); ++i)
        QCOMPARE(label(QStringLiteral("lblWarning_%1").arg(i))->text(),
                 QString::fromStdString(about.lblWarning[i]));
    for (std::size_t i = 0; i < about.lblAddress.size(); ++i)
        QCOMPARE(label(QStringLiteral("lblAddress_%1").arg(i))->text(),
                 QString::fromStdString(about.lblAddress[i]));
    for (int i = 0; i < 5; ++i) {
        QLabel* email = label(QStringLiteral("lblEmail_%1").arg(i));
        QCOMPARE(email->text(), QString::fromStdString(about.lblEmail[i]));
        const bool link = IsAboutLink(i);
        QCOMPARE(email->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QTest::mouseClick(email, Qt::LeftButton);
        QTest::mouseClick(email, Qt::RightButton);  // only the left button follows a link
    }
    QCOMPARE(desktop.openedAddresses,
             std::vector<std::string>({"mailto:info@example.com", "http://www.example.com",
                                       "http://www.example.com/updates"}));
    QVERIFY(desktop.takeProblems().isEmpty());
    CloseAndDelete(window);
}

void AboutTest::oneWindowAtATimeThatLivesWhileOpen() {
    app::QtDesktop desktop;
    desktop.showAbout();
    QPointer<QWidget> first = AboutWindows().value(0);
    QVERIFY(first);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    first->showMinimized();
    desktop.showAbout();
    QCOMPARE(AboutWindows(), QList<QWidget*>{first});
    QVERIFY(!first->isMinimized());
    CloseAndDelete(first);
    QVERIFY(first.isNull());
    desktop.showAbout();  // closed means gone: the next command opens a new one
    QPointer<QWidget> second = AboutWindows().value(0);
    QVERIFY(second);
    CloseAndDelete(second);
    QVERIFY(second.isNull());
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
