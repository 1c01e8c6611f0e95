// A capture as a French-speaking user sees it (run with LANGUAGE=fr).
#include "feedback/AppLanguage.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"

#include "CaptureScene.h"

#include <QTest>

class FrenchInterfaceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(AppLanguages::current(), AppLanguage::french); }

    void successIsReportedInFrench()
    {
        CaptureScene scene;
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("Prêt"));
        QLabel *window = scene.showText(0, QPoint(150, 200), "Bonjour le monde", "Noto Sans", 22);
        QVERIFY(scene.captureText(CaptureScene::areaAround(window)));
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("16 caractères copiés"));
        QCOMPARE(scene.controller().toastPresenter().window()->title(), QStringLiteral("Copié dans le presse-papiers"));
    }
};

QTEST_MAIN(FrenchInterfaceTest)
#include "FrenchInterfaceTest.moc"
