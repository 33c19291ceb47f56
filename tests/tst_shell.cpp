// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QtTest>

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void startsOnIntro1();
};

void ShellTest::startsOnIntro1()
{
    TestLesson t;
    t.lesson.chain.start();
    QVERIFY(t.showing());
    QCOMPARE(t.showing()->id(), ScreenId::Intro1);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
