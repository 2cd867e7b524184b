// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: its texts, its links, and that it lives only while open.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "app/about_window.h"
#include "app/qt_desktop.h"
#include "window/about_content.h"
#include "window/desktop.h"

namespace {

// Records what the window asks of the desktop.
class RecordingDesktop : public veredod::Desktop {
public:
    void showMessage(veredod::MessageIcon, const std::string& text, const std::string&) override {
        messages.push_back(text);
    }
    std::string chooseFile(const veredod::FileDialogRequest&) override { return {}; }
    bool printLines(const std::vector<std::string>&, std::string&) override { return false; }
    veredod::LaunchResult openAddress(const std::string& address) override {
        opened.push_back(address);
        return {};
    }

    std::vector<std::string> messages;
    std::vector<std::string> opened;
};

QWidget* FindAboutWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmAbout") && widget->isVisible()) return widget;
    }
    return nullptr;
}

QString LabelText(QWidget* window, const QString& name) {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

void CloseAndDelete(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheMakersTexts();
    void linksOpenTheirTargets_data();
    void linksOpenTheirTargets();
    void isNotModalAndGoesAwayWhenClosed();
    void aSecondCommandBringsTheOpenWindowBack();
};

void AboutTest::showsTheMakersTexts() {
    RecordingDesktop desktop;
    QWidget owner;
    veredod::app::ShowAboutWindow(&owner, desktop);
    QWidget* window = FindAboutWindow();
    QVERIFY(window);
    const veredod::AboutContent& about = veredod::AboutTexts();
    QCOMPARE(window->windowTitle(), QStringLiteral("About Veredod 2000"));
    QCOMPARE(LabelText(window, "lblTitle"), QString::fromStdString(about.lblTitle));
    QCOMPARE(LabelText(window, "lblWarning_1"),
             QStringLiteral("All calculated results obtained from this software are based on "
                            "theoretical properties and may differ from real world results."));
    for (std::size_t i = 0; i < about.lblWarning.size(); ++i) {
        QCOMPARE(LabelText(window, QStringLiteral("lblWarning_%1").arg(i)),
                 QString::fromStdString(about.lblWarning[i]));
    }
    for (std::size_t i = 0; i < about.lblAddress.size(); ++i) {
        QCOMPARE(LabelText(window, QStringLiteral("lblAddress_%1").arg(i)),
                 QString::fromStdString(about.lblAddress[i]));
    }
    for (int i = 0; i < 5; ++i) {
        auto* label = window->findChild<QLabel*>(QStringLiteral("lblEmail_%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->text(), QString::fromStdString(about.lblEmail[i]));
        const bool link = veredod::IsAboutLink(i);
        QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(Qt::blue), link);
    }
    if (QFile::exists(QStringLiteral(VEREDOD_SOURCE_DIR "/assets/logo.svg"))) {
        auto* logo = window->findChild<QLabel*>(QStringLiteral("picLogo"));
        QVERIFY(logo);
        QVERIFY(!logo->pixmap().isNull());
    }
    CloseAndDelete(window);
}

void AboutTest::linksOpenTheirTargets_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("opened");
    QTest::newRow("e-mail: caption") << 0 << QString();
    QTest::newRow("e-mail address") << 1 << QStringLiteral("mailto:info@example.com");
    QTest::newRow("web: caption") << 2 << QString();
    QTest::newRow("web address") << 3 << QStringLiteral("http://www.example.com");
    QTest::newRow("updates") << 4 << QStringLiteral("http://www.example.com/updates");
}

void AboutTest::linksOpenTheirTargets() {
    QFETCH(int, index);
    QFETCH(QString, opened);
    RecordingDesktop desktop;
    veredod::app::ShowAboutWindow(nullptr, desktop);
    QWidget* window = FindAboutWindow();
    QVERIFY(window);
    auto* label = window->findChild<QLabel*>(QStringLiteral("lblEmail_%1").arg(index));
    QVERIFY(label);
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseClick(label, Qt::RightButton);  // only the left button follows a link
    const std::vector<std::string> expected = opened.isEmpty()
                                                  ? std::vector<std::string>{}
                                                  : std::vector<std::string>{opened.toStdString()};
    QCOMPARE(desktop.opened, expected);
    QVERIFY(desktop.messages.empty());
    CloseAndDelete(window);
}

void AboutTest::isNotModalAndGoesAwayWhenClosed() {
    RecordingDesktop desktop;
    QWidget owner;
    owner.show();
    veredod::app::ShowAboutWindow(&owner, desktop);
    QPointer<QWidget> first = FindAboutWindow();
    QVERIFY(first);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    CloseAndDelete(first);
    QVERIFY(first.isNull());
    QVERIFY(!FindAboutWindow());

    veredod::app::ShowAboutWindow(&owner, desktop);
    QPointer<QWidget> second = FindAboutWindow();
    QVERIFY(second);
    CloseAndDelete(second);
    QVERIFY(second.isNull());
}

void AboutTest::aSecondCommandBringsTheOpenWindowBack() {
    veredod::app::QtDesktop desktop;
    desktop.showAbout();
    QPointer<QWidget> first = FindAboutWindow();
    QVERIFY(first);
    first->showMinimized();
    desktop.showAbout();
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        open += widget->objectName() == QLatin1String("frmAbout") ? 1 : 0;
    }
    QCOMPARE(open, 1);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isMinimized());
    CloseAndDelete(first);
    QVERIFY(first.isNull());
    desktop.showAbout();  // closed means gone: the next command opens a new one
    QPointer<QWidget> second = FindAboutWindow();
    QVERIFY(second);
    CloseAndDelete(second);
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
