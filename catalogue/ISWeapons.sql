-- The equipment catalogue: Inner Sphere Level 2 weapons, equipment, ammunition and cargo that a
-- combat vehicle can mount. The build turns this file into ISWeapons.mdb beside the program.
--
-- Rows are listed in the order the browsers show them: by class, then by size (lightest first;
-- of one size, the older or standard weapon first).
-- Tons are in tons, Cost in C-bills (for ammunition and cargo: per ton).
-- Heat is the heat a vehicle must sink: energy weapons only; everything else has none (NULL).
-- Damage is printed as a record sheet prints it: "/Msl" per missile, "/Sht" per shot of a
-- multi-shot cannon, "(C)" for a cannon that also fires cluster rounds, "(AE)" for area effect,
-- "-" for none. Ranges are in whole hexes: NULL where a weapon has no minimum range, and all NULL
-- for equipment that is no weapon and for the anti-missile system, which fires only at missiles
-- aimed at the vehicle. The C3 master computer also designates targets, with the TAG's ranges.
-- Artillery has only a long range: its reach in mapsheets of 17 hexes.
-- BV is the battle value of one item (for ammunition: of one ton); BVRole says whether the item
-- counts as an offensive weapon, as defensive equipment, or not at all. Ammunition counts on the
-- side of the weapon it feeds. LB-X cluster rounds cost more than slugs.

CREATE TABLE ISWeapons (
    Type        TEXT    NOT NULL,
    Class       TEXT    NOT NULL,
    Tons        REAL    NOT NULL,
    Heat        INTEGER,
    Cost        INTEGER NOT NULL,
    Damage      TEXT    NOT NULL,
    MinRange    INTEGER,
    ShortRange  INTEGER,
    MediumRange INTEGER,
    LongRange   INTEGER,
    BV          REAL    NOT NULL CHECK (BV >= 0),
    BVRole      TEXT    NOT NULL CHECK (BVRole IN ('offensive', 'defensive', 'none'))
);

CREATE TABLE ISAmmo (
    Type        TEXT    NOT NULL,
    Class       TEXT    NOT NULL,
    ShotsPerTon INTEGER NOT NULL,
    Cost        INTEGER NOT NULL,
    BV          REAL    NOT NULL CHECK (BV >= 0)
);

-- Energy weapons, light to heavy; the vehicle flamer burns fuel from a bin.
INSERT INTO ISWeapons VALUES ('Small Laser',          'Energy',       0.5,    1,   11250, '3',        NULL,    1,    2,    3,    9, 'offensive');
INSERT INTO ISWeapons VALUES ('ER Small Laser',       'Energy',       0.5,    2,   11250, '3',        NULL,    2,    4,    5,   17, 'offensive');
INSERT INTO ISWeapons VALUES ('Vehicle Flamer',       'Energy',       0.5,    3,    7500, '2',        NULL,    1,    2,    3,    5, 'offensive');
INSERT INTO ISWeapons VALUES ('Small Pulse Laser',    'Energy',       1.0,    2,   16000, '3',        NULL,    1,    2,    3,   12, 'offensive');
INSERT INTO ISWeapons VALUES ('Flamer',               'Energy',       1.0,    3,    7500, '2',        NULL,    1,    2,    3,    6, 'offensive');
INSERT INTO ISWeapons VALUES ('Medium Laser',         'Energy',       1.0,    3,   40000, '5',        NULL,    3,    6,    9,   46, 'offensive');
INSERT INTO ISWeapons VALUES ('ER Medium Laser',      'Energy',       1.0,    5,   80000, '5',        NULL,    4,    8,   12,   62, 'offensive');
INSERT INTO ISWeapons VALUES ('Medium Pulse Laser',   'Energy',       2.0,    4,   60000, '6',        NULL,    2,    4,    6,   48, 'offensive');
INSERT INTO ISWeapons VALUES ('Large Laser',          'Energy',       5.0,    8,  100000, '8',        NULL,    5,   10,   15,  123, 'offensive');
INSERT INTO ISWeapons VALUES ('ER Large Laser',       'Energy',       5.0,   12,  200000, '8',        NULL,    7,   14,   19,  163, 'offensive');
INSERT INTO ISWeapons VALUES ('Large Pulse Laser',    'Energy',       7.0,   10,  175000, '9',        NULL,    3,    7,   10,  119, 'offensive');
INSERT INTO ISWeapons VALUES ('PPC',                  'Energy',       7.0,   10,  200000, '10',          3,    6,   12,   18,  176, 'offensive');
INSERT INTO ISWeapons VALUES ('ER PPC',               'Energy',       7.0,   15,  300000, '10',       NULL,    7,   14,   23,  229, 'offensive');

-- Ballistic weapons, light to heavy.
INSERT INTO ISWeapons VALUES ('Machine Gun',          'Ballistic',    0.5, NULL,    5000, '2',        NULL,    1,    2,    3,    5, 'offensive');
INSERT INTO ISWeapons VALUES ('Anti-Missile System',  'Ballistic',    0.5, NULL,  100000, '-',        NULL, NULL, NULL, NULL,   32, 'defensive');
INSERT INTO ISWeapons VALUES ('AC/2',                 'Ballistic',    6.0, NULL,   75000, '2',           4,    8,   16,   24,   37, 'offensive');
INSERT INTO ISWeapons VALUES ('LB 2-X AC',            'Ballistic',    6.0, NULL,  150000, '2 (C)',       4,    9,   18,   27,   42, 'offensive');
INSERT INTO ISWeapons VALUES ('Ultra AC/2',           'Ballistic',    7.0, NULL,  120000, '2/Sht',       3,    8,   17,   25,   56, 'offensive');
INSERT INTO ISWeapons VALUES ('AC/5',                 'Ballistic',    8.0, NULL,  125000, '5',           3,    6,   12,   18,   70, 'offensive');
INSERT INTO ISWeapons VALUES ('LB 5-X AC',            'Ballistic',    8.0, NULL,  250000, '5 (C)',       3,    7,   14,   21,   83, 'offensive');
INSERT INTO ISWeapons VALUES ('Rotary AC/2',          'Ballistic',    8.0, NULL,  175000, '2/Sht',    NULL,    6,   12,   18,  118, 'offensive');
INSERT INTO ISWeapons VALUES ('Ultra AC/5',           'Ballistic',    9.0, NULL,  200000, '5/Sht',       2,    6,   13,   20,  112, 'offensive');
INSERT INTO ISWeapons VALUES ('Rotary AC/5',          'Ballistic',   10.0, NULL,  275000, '5/Sht',    NULL,    5,   10,   15,  247, 'offensive');
INSERT INTO ISWeapons VALUES ('LB 10-X AC',           'Ballistic',   11.0, NULL,  400000, '10 (C)',   NULL,    6,   12,   18,  148, 'offensive');
INSERT INTO ISWeapons VALUES ('AC/10',                'Ballistic',   12.0, NULL,  200000, '10',       NULL,    5,   10,   15,  123, 'offensive');
INSERT INTO ISWeapons VALUES ('Light Gauss Rifle',    'Ballistic',   12.0, NULL,  275000, '8',           3,    8,   17,   25,  159, 'offensive');
INSERT INTO ISWeapons VALUES ('Ultra AC/10',          'Ballistic',   13.0, NULL,  320000, '10/Sht',   NULL,    6,   12,   18,  210, 'offensive');
INSERT INTO ISWeapons VALUES ('AC/20',                'Ballistic',   14.0, NULL,  300000, '20',       NULL,    3,    6,    9,  178, 'offensive');
INSERT INTO ISWeapons VALUES ('LB 20-X AC',           'Ballistic',   14.0, NULL,  600000, '20 (C)',   NULL,    4,    8,   12,  237, 'offensive');
INSERT INTO ISWeapons VALUES ('Gauss Rifle',          'Ballistic',   15.0, NULL,  300000, '15',          2,    7,   15,   22,  320, 'offensive');
INSERT INTO ISWeapons VALUES ('Ultra AC/20',          'Ballistic',   15.0, NULL,  480000, '20/Sht',   NULL,    3,    7,   10,  281, 'offensive');
INSERT INTO ISWeapons VALUES ('Heavy Gauss Rifle',    'Ballistic',   18.0, NULL,  500000, '25/20/10',    4,    6,   13,   20,  346, 'offensive');

-- Missile launchers and the beacons, light to heavy. Only the launchers that take Artemis IV
-- have names beginning with "LRM" or "SRM".
INSERT INTO ISWeapons VALUES ('SRM 2',                'Missile',      1.0, NULL,   10000, '2/Msl',    NULL,    3,    6,    9,   21, 'offensive');
INSERT INTO ISWeapons VALUES ('Streak SRM 2',         'Missile',      1.5, NULL,   15000, '2/Msl',    NULL,    3,    6,    9,   30, 'offensive');
INSERT INTO ISWeapons VALUES ('SRM 4',                'Missile',      2.0, NULL,   60000, '2/Msl',    NULL,    3,    6,    9,   39, 'offensive');
INSERT INTO ISWeapons VALUES ('LRM 5',                'Missile',      2.0, NULL,   30000, '1/Msl',       6,    7,   14,   21,   45, 'offensive');
INSERT INTO ISWeapons VALUES ('SRM 6',                'Missile',      3.0, NULL,   80000, '2/Msl',    NULL,    3,    6,    9,   59, 'offensive');
INSERT INTO ISWeapons VALUES ('Streak SRM 4',         'Missile',      3.0, NULL,   90000, '2/Msl',    NULL,    3,    6,    9,   59, 'offensive');
INSERT INTO ISWeapons VALUES ('MRM 10',               'Missile',      3.0, NULL,   50000, '1/Msl',    NULL,    3,    8,   15,   56, 'offensive');
INSERT INTO ISWeapons VALUES ('Narc Missile Beacon',  'Missile',      3.0, NULL,  100000, '-',        NULL,    3,    6,    9,   30, 'offensive');
INSERT INTO ISWeapons VALUES ('Streak SRM 6',         'Missile',      4.5, NULL,  120000, '2/Msl',    NULL,    3,    6,    9,   89, 'offensive');
INSERT INTO ISWeapons VALUES ('LRM 10',               'Missile',      5.0, NULL,  100000, '1/Msl',       6,    7,   14,   21,   90, 'offensive');
INSERT INTO ISWeapons VALUES ('iNarc Launcher',       'Missile',      5.0, NULL,  250000, '-',        NULL,    4,    9,   15,   75, 'offensive');
INSERT INTO ISWeapons VALUES ('LRM 15',               'Missile',      7.0, NULL,  175000, '1/Msl',       6,    7,   14,   21,  136, 'offensive');
INSERT INTO ISWeapons VALUES ('MRM 20',               'Missile',      7.0, NULL,  125000, '1/Msl',    NULL,    3,    8,   15,  112, 'offensive');
INSERT INTO ISWeapons VALUES ('LRM 20',               'Missile',     10.0, NULL,  250000, '1/Msl',       6,    7,   14,   21,  181, 'offensive');
INSERT INTO ISWeapons VALUES ('MRM 30',               'Missile',     10.0, NULL,  225000, '1/Msl',    NULL,    3,    8,   15,  168, 'offensive');
INSERT INTO ISWeapons VALUES ('MRM 40',               'Missile',     12.0, NULL,  350000, '1/Msl',    NULL,    3,    8,   15,  224, 'offensive');

-- Artillery, light to heavy: reach 8, 21, 18 and 30 mapsheets.
INSERT INTO ISWeapons VALUES ('Arrow IV',             'Artillery',   15.0, NULL,  450000, '20 (AE)',  NULL, NULL, NULL,  136,  240, 'offensive');
INSERT INTO ISWeapons VALUES ('Thumper',              'Artillery',   15.0, NULL,  187500, '15 (AE)',  NULL, NULL, NULL,  357,   43, 'offensive');
INSERT INTO ISWeapons VALUES ('Sniper',               'Artillery',   20.0, NULL,  300000, '20 (AE)',  NULL, NULL, NULL,  306,   85, 'offensive');
INSERT INTO ISWeapons VALUES ('Long Tom',             'Artillery',   30.0, NULL,  450000, '25 (AE)',  NULL, NULL, NULL,  510,  368, 'offensive');

-- Electronic equipment, light to heavy.
INSERT INTO ISWeapons VALUES ('TAG',                  'Electronics',  1.0, NULL,   50000, '-',        NULL,    5,    9,   15,    0, 'none');
INSERT INTO ISWeapons VALUES ('C3 Slave Unit',        'Electronics',  1.0, NULL,  250000, '-',        NULL, NULL, NULL, NULL,    0, 'none');
INSERT INTO ISWeapons VALUES ('Beagle Active Probe',  'Electronics',  1.5, NULL,  200000, '-',        NULL, NULL, NULL, NULL,   10, 'defensive');
INSERT INTO ISWeapons VALUES ('Guardian ECM Suite',   'Electronics',  1.5, NULL,  200000, '-',        NULL, NULL, NULL, NULL,   61, 'defensive');
INSERT INTO ISWeapons VALUES ('Improved C3 Computer', 'Electronics',  2.5, NULL,  750000, '-',        NULL, NULL, NULL, NULL,    0, 'none');
INSERT INTO ISWeapons VALUES ('C3 Master Unit',       'Electronics',  5.0, NULL, 1500000, '-',        NULL,    5,    9,   15,    0, 'none');

-- Ammunition, one row per weapon that fires it, in the order of the weapons: "Ammo-" and the
-- weapon's name; an LB-X cannon's cluster rounds add " Cluster". Flamer fuel has a class of its
-- own, since an "Energy" row would count as energy weapon tonnage when removed.
INSERT INTO ISAmmo VALUES ('Ammo-Vehicle Flamer',      'Fuel',       20,  1000,   1);
INSERT INTO ISAmmo VALUES ('Ammo-Machine Gun',         'Ballistic', 200,  1000,   1);
INSERT INTO ISAmmo VALUES ('Ammo-Anti-Missile System', 'Ballistic',  12,  2000,  11);
INSERT INTO ISAmmo VALUES ('Ammo-AC/2',                'Ballistic',  45,  1000,   5);
INSERT INTO ISAmmo VALUES ('Ammo-LB 2-X AC',           'Ballistic',  45,  2000,   5);
INSERT INTO ISAmmo VALUES ('Ammo-LB 2-X AC Cluster',   'Ballistic',  45,  3300,   5);
INSERT INTO ISAmmo VALUES ('Ammo-Ultra AC/2',          'Ballistic',  45,  1000,   7);
INSERT INTO ISAmmo VALUES ('Ammo-AC/5',                'Ballistic',  20,  4500,   9);
INSERT INTO ISAmmo VALUES ('Ammo-LB 5-X AC',           'Ballistic',  20,  9000,  10);
INSERT INTO ISAmmo VALUES ('Ammo-LB 5-X AC Cluster',   'Ballistic',  20, 15000,  10);
INSERT INTO ISAmmo VALUES ('Ammo-Rotary AC/2',         'Ballistic',  45,  3000,  15);
INSERT INTO ISAmmo VALUES ('Ammo-Ultra AC/5',          'Ballistic',  20,  9000,  14);
INSERT INTO ISAmmo VALUES ('Ammo-Rotary AC/5',         'Ballistic',  20, 12000,  31);
INSERT INTO ISAmmo VALUES ('Ammo-LB 10-X AC',          'Ballistic',  10, 12000,  19);
INSERT INTO ISAmmo VALUES ('Ammo-LB 10-X AC Cluster',  'Ballistic',  10, 20000,  19);
INSERT INTO ISAmmo VALUES ('Ammo-AC/10',               'Ballistic',  10,  6000,  15);
INSERT INTO ISAmmo VALUES ('Ammo-Light Gauss Rifle',   'Ballistic',  16, 20000,  20);
INSERT INTO ISAmmo VALUES ('Ammo-Ultra AC/10',         'Ballistic',  10, 12000,  26);
INSERT INTO ISAmmo VALUES ('Ammo-AC/20',               'Ballistic',   5, 10000,  22);
INSERT INTO ISAmmo VALUES ('Ammo-LB 20-X AC',          'Ballistic',   5, 20000,  30);
INSERT INTO ISAmmo VALUES ('Ammo-LB 20-X AC Cluster',  'Ballistic',   5, 34000,  30);
INSERT INTO ISAmmo VALUES ('Ammo-Gauss Rifle',         'Ballistic',   8, 20000,  40);
INSERT INTO ISAmmo VALUES ('Ammo-Ultra AC/20',         'Ballistic',   5, 20000,  35);
INSERT INTO ISAmmo VALUES ('Ammo-Heavy Gauss Rifle',   'Ballistic',   4, 20000,  43);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 2',               'Missile',    50, 27000,   3);
INSERT INTO ISAmmo VALUES ('Ammo-Streak SRM 2',        'Missile',    50, 54000,   4);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 4',               'Missile',    25, 27000,   5);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 5',               'Missile',    24, 30000,   6);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 6',               'Missile',    15, 27000,   7);
INSERT INTO ISAmmo VALUES ('Ammo-Streak SRM 4',        'Missile',    25, 54000,   7);
INSERT INTO ISAmmo VALUES ('Ammo-MRM 10',              'Missile',    24,  5000,   7);
INSERT INTO ISAmmo VALUES ('Ammo-Narc Missile Beacon', 'Missile',     6,  6000,   0);
INSERT INTO ISAmmo VALUES ('Ammo-Streak SRM 6',        'Missile',    15, 54000,  11);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 10',              'Missile',    12, 30000,  11);
INSERT INTO ISAmmo VALUES ('Ammo-iNarc Launcher',      'Missile',     4,  7500,   0);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 15',              'Missile',     8, 30000,  17);
INSERT INTO ISAmmo VALUES ('Ammo-MRM 20',              'Missile',    12,  5000,  14);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 20',              'Missile',     6, 30000,  23);
INSERT INTO ISAmmo VALUES ('Ammo-MRM 30',              'Missile',     8,  5000,  21);
INSERT INTO ISAmmo VALUES ('Ammo-MRM 40',              'Missile',     6,  5000,  28);
INSERT INTO ISAmmo VALUES ('Ammo-Arrow IV',            'Artillery',   5, 10000,  30);
INSERT INTO ISAmmo VALUES ('Ammo-Thumper',             'Artillery',  20,  4500,   5);
INSERT INTO ISAmmo VALUES ('Ammo-Sniper',              'Artillery',  10,  6000,  11);
INSERT INTO ISAmmo VALUES ('Ammo-Long Tom',            'Artillery',   5, 10000,  46);

-- Cargo space fires nothing and costs nothing.
INSERT INTO ISAmmo VALUES ('Cargo',                    'Cargo',       0,     0,   0);
