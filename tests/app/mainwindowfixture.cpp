#include "mainwindowfixture.h"

#include "platform/dialogs.h"
#include "platform/fakeprintsystem.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QTest>

void MainWindowFixture::installFakePrinter()
{
    auto fake = std::make_unique<rova::print::FakePrintSystem>();
    fake->addPrinter(rova::print::FakePrintSystem::printer(QStringLiteral("Printer A")));
    fake->setDefault(0);
    rova::print::setSystem(std::move(fake));
}

MainWindowFixture::MainWindowFixture() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    rova::Dialogs::setScripted(true);
    m_forms = std::make_unique<rova::Forms>();
}

MainWindowFixture::~MainWindowFixture()
{
    m_forms.reset();
    QDir::setCurrent(m_previous);
}

TForm_Main* MainWindowFixture::start()
{
    window()->show();
    if (!QTest::qWaitForWindowActive(window()))
        qWarning("the main window did not become active");
    return window();
}

void MainWindowFixture::closeWindow() { window()->close(); }

TForm_Main* MainWindowFixture::restart()
{
    closeWindow();
    m_forms = std::make_unique<rova::Forms>();
    return start();
}

QString MainWindowFixture::focusedName()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return QStringLiteral("(none)");
    if (qobject_cast<QAbstractSpinBox*>(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused->objectName();
}

QString MainWindowFixture::path(const QString& name) const { return m_dir.filePath(name); }

void MainWindowFixture::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
}

QByteArray MainWindowFixture::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MainWindowFixture::key(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    QTest::keyClick(window()->windowHandle(), key, modifiers);
}

void MainWindowFixture::commitText(QWidget* target, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

void MainWindowFixture::focus(QWidget* target) const
{
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(5, target->height() / 2));
}
