// Artemis IV lines for every launcher of a family while its box is ticked, and CASE.
#include <QTest>

#include "support/payloaddrive.h"
#include "support/testsupport.h"

namespace {

// Two LRM launchers, in the front and in the turret.
const QStringList TwoLRM = OnTracked50({"chkTurret=1", "weapon=LRM 5", "optLocation_0", "cmdAdd", "optLocation_4", "cmdAdd"});

}  // namespace

class ArtemisCaseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void switches_data()
    {
        AddPayloadRows({
            {"two launchers get two lines", TwoLRM + QStringList{"chkArtemisLRM=1"},
             {"PayloadTonnage=6", "PayloadCost=260000", "TurretWeaponTonnage=3", "ItemsUsed=4", "lblItemsFree=11",
              "lblTurretTonnage=0.5", "lblPayloadTonnage=6.0"},
             {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "Artemis IV - LRM|0|1.0|Front",
              "Artemis IV - LRM|0|1.0|Turret"}},
            {"off again gives everything back and leaves the other family",
             TwoLRM + QStringList{"weapon=SRM 2", "optLocation_1", "cmdAdd", "chkArtemisSRM=1", "chkArtemisLRM=1",
                                  "chkArtemisLRM=0"},
             {"PayloadTonnage=6", "PayloadCost=170000", "TurretWeaponTonnage=2", "ItemsUsed=4", "lblItemsFree=11"},
             {"LRM 5|2|2.0|Front", "LRM 5|2|2.0|Turret", "SRM 2|2|1.0|Rear", "Artemis IV - SRM|0|1.0|Rear"}},
            {"no launcher, no line", {"chkArtemisLRM=1", "chkArtemisSRM=1"},
             {"PayloadCount=0", "PayloadCost=0", "ItemsUsed=0", "lblCost=20,570", "lblItemsFree=5"},
             {}},
            {"the other family's launchers get no line", OnTracked50({"weapon=SRM 2", "cmdAdd", "chkArtemisLRM=1"}),
             {"PayloadCount=1", "PayloadCost=10000"},
             {"SRM 2|2|1.0|Front"}},
            {"the box takes a slot per line and gives it back",
             OnTracked50({"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1", "chkArtemisLRM=0"}),
             {"ItemsUsed=1", "lblItemsFree=14", "PayloadCost=30000"},
             {"LRM 5|2|2.0|Front"}},
            {"removing a launcher leaves its line",
             OnTracked50({"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1", "line=1", "cmdRemove"}),
             {"PayloadCost=100000", "PayloadTonnage=1", "ItemsUsed=1", "chkArtemisLRM=1"},
             {"Artemis IV - LRM|0|1.0|Front"}},
            {"a line removed by hand gives back its ton and price",
             OnTracked50({"weapon=LRM 5", "cmdAdd", "chkArtemisLRM=1", "line=2", "cmdRemove"}),
             {"PayloadCost=30000", "PayloadTonnage=2", "ItemsUsed=1", "lblItemsFree=14"},
             {"LRM 5|2|2.0|Front"}},
            {"CASE on", {"chkCASE=1"},
             {"PayloadCost=50000", "CASETonnage=0.5", "lblTonnageRemaining=-2.0", "lblCost=71,570", "PayloadCount=0",
              "ItemsUsed=0", "lblItemsFree=5"},
             {}},
            {"CASE off again", {"chkCASE=1", "chkCASE=0"},
             {"PayloadCost=0", "CASETonnage=0", "lblTonnageRemaining=-1.5", "lblCost=20,570"},
             {}},
        });
    }

    void switches() { RunPayloadRow(); }
};

QTEST_MAIN(ArtemisCaseTest)
#include "test_artemiscase.moc"
