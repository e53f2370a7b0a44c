-- The equipment catalogue: Inner Sphere Level 2 weapons, equipment, ammunition and cargo that a
-- combat vehicle can mount. The build turns this file into ISWeapons.mdb beside the program.
--
-- Rows are listed in the order the browsers show them: by class, then by size (lightest first;
-- weapons of one size in the order standard, extended range, pulse).
-- Tons are in tons, Cost in C-bills (for ammunition and cargo: per ton).
-- Heat is the heat a vehicle must sink: energy weapons only; everything else has none (NULL).
-- Damage is printed as a record sheet prints it: "/Msl" per missile, "/Sht" per shot of a
-- multi-shot cannon, "(C)" for a cannon that also fires cluster rounds, "(AE)" for area effect,
-- "-" for none. Ranges are in whole hexes: NULL where a weapon has no minimum range, and all NULL
-- for equipment that is no weapon and for the anti-missile system, which fires only at missiles
-- aimed at the vehicle. Artillery has only a long range: its reach in mapsheets of 17 hexes.

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
    LongRange   INTEGER
);

CREATE TABLE ISAmmo (
    Type        TEXT    NOT NULL,
    Class       TEXT    NOT NULL,
    ShotsPerTon INTEGER NOT NULL,
    Cost        INTEGER NOT NULL
);

-- Energy weapons, light to heavy.
INSERT INTO ISWeapons VALUES ('Small Laser',         'Energy',  0.5,   1,   11250, '3',       NULL,  1,  2,  3);
INSERT INTO ISWeapons VALUES ('ER Small Laser',      'Energy',  0.5,   2,   11250, '3',       NULL,  2,  4,  5);
INSERT INTO ISWeapons VALUES ('Small Pulse Laser',   'Energy',  1.0,   2,   16000, '3',       NULL,  1,  2,  3);
INSERT INTO ISWeapons VALUES ('Flamer',              'Energy',  1.0,   3,    7500, '2',       NULL,  1,  2,  3);
INSERT INTO ISWeapons VALUES ('Medium Laser',        'Energy',  1.0,   3,   40000, '5',       NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('ER Medium Laser',     'Energy',  1.0,   5,   80000, '5',       NULL,  4,  8, 12);
INSERT INTO ISWeapons VALUES ('Medium Pulse Laser',  'Energy',  2.0,   4,   60000, '6',       NULL,  2,  4,  6);
INSERT INTO ISWeapons VALUES ('Large Laser',         'Energy',  5.0,   8,  100000, '8',       NULL,  5, 10, 15);
INSERT INTO ISWeapons VALUES ('ER Large Laser',      'Energy',  5.0,  12,  200000, '8',       NULL,  7, 14, 19);
INSERT INTO ISWeapons VALUES ('Large Pulse Laser',   'Energy',  7.0,  10,  175000, '9',       NULL,  3,  7, 10);
INSERT INTO ISWeapons VALUES ('PPC',                 'Energy',  7.0,  10,  200000, '10',         3,  6, 12, 18);
INSERT INTO ISWeapons VALUES ('ER PPC',              'Energy',  7.0,  15,  300000, '10',      NULL,  7, 14, 23);

-- Ballistic weapons, light to heavy.
INSERT INTO ISWeapons VALUES ('Machine Gun',         'Ballistic',  0.5, NULL,    5000, '2',       NULL,  1,  2,  3);
INSERT INTO ISWeapons VALUES ('Anti-Missile System', 'Ballistic',  0.5, NULL,  100000, '-',       NULL, NULL, NULL, NULL);
INSERT INTO ISWeapons VALUES ('AC/2',                'Ballistic',  6.0, NULL,   75000, '2',          4,  8, 16, 24);
INSERT INTO ISWeapons VALUES ('AC/5',                'Ballistic',  8.0, NULL,  125000, '5',          3,  6, 12, 18);
INSERT INTO ISWeapons VALUES ('Ultra AC/5',          'Ballistic',  9.0, NULL,  200000, '5/Sht',      2,  6, 13, 20);
INSERT INTO ISWeapons VALUES ('LB 10-X AC',          'Ballistic', 11.0, NULL,  400000, '10 (C)',  NULL,  6, 12, 18);
INSERT INTO ISWeapons VALUES ('AC/10',               'Ballistic', 12.0, NULL,  200000, '10',      NULL,  5, 10, 15);
INSERT INTO ISWeapons VALUES ('AC/20',               'Ballistic', 14.0, NULL,  300000, '20',      NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('Gauss Rifle',         'Ballistic', 15.0, NULL,  300000, '15',         2,  7, 15, 22);

-- Missile launchers and the beacon, light to heavy.
INSERT INTO ISWeapons VALUES ('SRM 2',               'Missile',  1.0, NULL,   10000, '2/Msl',   NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('Streak SRM 2',        'Missile',  1.5, NULL,   15000, '2/Msl',   NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('SRM 4',               'Missile',  2.0, NULL,   60000, '2/Msl',   NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('LRM 5',               'Missile',  2.0, NULL,   30000, '1/Msl',      6,  7, 14, 21);
INSERT INTO ISWeapons VALUES ('SRM 6',               'Missile',  3.0, NULL,   80000, '2/Msl',   NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('Narc Missile Beacon', 'Missile',  3.0, NULL,  100000, '-',       NULL,  3,  6,  9);
INSERT INTO ISWeapons VALUES ('LRM 10',              'Missile',  5.0, NULL,  100000, '1/Msl',      6,  7, 14, 21);
INSERT INTO ISWeapons VALUES ('LRM 15',              'Missile',  7.0, NULL,  175000, '1/Msl',      6,  7, 14, 21);
INSERT INTO ISWeapons VALUES ('LRM 20',              'Missile', 10.0, NULL,  250000, '1/Msl',      6,  7, 14, 21);

-- Artillery.
INSERT INTO ISWeapons VALUES ('Arrow IV',            'Artillery', 15.0, NULL,  450000, '20 (AE)', NULL, NULL, NULL, 136);

-- Electronic equipment, light to heavy.
INSERT INTO ISWeapons VALUES ('TAG',                 'Electronics', 1.0, NULL,   50000, '-',       NULL,  5,  9, 15);
INSERT INTO ISWeapons VALUES ('C3 Slave Unit',       'Electronics', 1.0, NULL,  250000, '-',       NULL, NULL, NULL, NULL);
INSERT INTO ISWeapons VALUES ('Beagle Active Probe', 'Electronics', 1.5, NULL,  200000, '-',       NULL, NULL, NULL, NULL);
INSERT INTO ISWeapons VALUES ('Guardian ECM Suite',  'Electronics', 1.5, NULL,  200000, '-',       NULL, NULL, NULL, NULL);
INSERT INTO ISWeapons VALUES ('C3 Master Unit',      'Electronics', 5.0, NULL, 1500000, '-',       NULL, NULL, NULL, NULL);

-- Ammunition, one row per weapon that fires it, in the order of the weapons; cargo last.
INSERT INTO ISAmmo VALUES ('Ammo-Machine Gun',         'Ballistic', 200,  1000);
INSERT INTO ISAmmo VALUES ('Ammo-Anti-Missile System', 'Ballistic',  12,  2000);
INSERT INTO ISAmmo VALUES ('Ammo-AC/2',                'Ballistic',  45,  1000);
INSERT INTO ISAmmo VALUES ('Ammo-AC/5',                'Ballistic',  20,  4500);
INSERT INTO ISAmmo VALUES ('Ammo-Ultra AC/5',          'Ballistic',  20,  9000);
INSERT INTO ISAmmo VALUES ('Ammo-LB 10-X AC',          'Ballistic',  10, 12000);
INSERT INTO ISAmmo VALUES ('Ammo-AC/10',               'Ballistic',  10,  6000);
INSERT INTO ISAmmo VALUES ('Ammo-AC/20',               'Ballistic',   5, 10000);
INSERT INTO ISAmmo VALUES ('Ammo-Gauss Rifle',         'Ballistic',   8, 20000);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 2',               'Missile',    50, 27000);
INSERT INTO ISAmmo VALUES ('Ammo-Streak SRM 2',        'Missile',    50, 54000);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 4',               'Missile',    25, 27000);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 5',               'Missile',    24, 30000);
INSERT INTO ISAmmo VALUES ('Ammo-SRM 6',               'Missile',    15, 27000);
INSERT INTO ISAmmo VALUES ('Ammo-Narc Missile Beacon', 'Missile',     6,  6000);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 10',              'Missile',    12, 30000);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 15',              'Missile',     8, 30000);
INSERT INTO ISAmmo VALUES ('Ammo-LRM 20',              'Missile',     6, 30000);
INSERT INTO ISAmmo VALUES ('Ammo-Arrow IV',            'Artillery',   5, 10000);

-- Cargo space fires nothing and costs nothing.
INSERT INTO ISAmmo VALUES ('Cargo',                    'Cargo',       0,     0);
