// SPDX-License-Identifier: GPL-3.0-or-later
// Several print systems shown as one catalogue, the way the real printers and the PDF printer are.

#include "support/fakeprinters.h"

#include "rules/errors.h"

namespace
{

// Owned by the joined system; the raw pointers let the test see what reached each one.
struct Joined {
    std::unique_ptr<rova::print::PrintSystem> system;
    FakePrintSystem* first;
    FakePrintSystem* second;
};

Joined join(const QStringList& firstNames, int firstDefault, const QStringList& secondNames,
            int secondDefault)
{
    auto a = std::make_unique<FakePrintSystem>();
    auto b = std::make_unique<FakePrintSystem>();
    for (const QString& n : firstNames)
        a->addPrinter(FakePrintSystem::printer(n));
    for (const QString& n : secondNames)
        b->addPrinter(FakePrintSystem::printer(n));
    a->setDefault(firstDefault);
    b->setDefault(secondDefault);
    Joined j{nullptr, a.get(), b.get()};
    std::vector<std::unique_ptr<rova::print::PrintSystem>> parts;
    parts.push_back(std::move(a));
    parts.push_back(std::move(b));
    j.system = rova::print::joinSystems(std::move(parts));
    return j;
}

} // namespace

class TestJoinedSystems : public QObject
{
    Q_OBJECT
private slots:
    void defaultDestination_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<int>("firstDefault");
        QTest::addColumn<int>("secondDefault");
        QTest::addColumn<int>("expected");
        QTest::newRow("first system's default wins") << QStringList{"A", "B"} << 1 << 0 << 1;
        QTest::newRow("no default in the first: second's, counted after the first's printers")
            << QStringList{"A", "B"} << -1 << 0 << 2;
        QTest::newRow("first system empty") << QStringList{} << -1 << 0 << 0;
        QTest::newRow("no default anywhere") << QStringList{"A"} << -1 << -1 << -1;
    }
    void defaultDestination()
    {
        QFETCH(QStringList, first);
        QFETCH(int, firstDefault);
        QFETCH(int, secondDefault);
        QFETCH(int, expected);
        Joined j = join(first, firstDefault, {QStringLiteral("PDF")}, secondDefault);
        QCOMPARE(j.system->defaultDestination(), expected);
        QCOMPARE(j.system->destinations().last().name, QStringLiteral("PDF"));
        QCOMPARE(j.system->destinations().size(), first.size() + 1);
    }

    void jobGoesToTheSystemListingTheName()
    {
        Joined j = join({QStringLiteral("A"), QStringLiteral("Same")}, 0, {QStringLiteral("Same")}, 0);
        j.system->begin(QStringLiteral("Same"), {}, QStringLiteral("rova_Yamato"))->end();
        QCOMPARE(j.first->jobs().size(), 1);
        QCOMPARE(j.second->jobs().size(), 0);
        QCOMPARE(j.system->capabilities(QStringLiteral("Same")).papers.size(), 2);
        QCOMPARE(j.first->capabilityQueries(), 1);
    }

    void unknownNameIsAnError()
    {
        Joined j = join({QStringLiteral("A")}, 0, {QStringLiteral("PDF")}, 0);
        QVERIFY_THROWS_EXCEPTION(rova::Error, j.system->capabilities(QStringLiteral("Gone")));
        QVERIFY_THROWS_EXCEPTION(rova::Error, j.system->begin(QStringLiteral("Gone"), {}, {}));
    }
};

QTEST_GUILESS_MAIN(TestJoinedSystems)
#include "test_joinedsystems.moc"
