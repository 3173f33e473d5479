#!/usr/bin/env python3
"""Writes Quillby's demo simulator installation, data/demo/, laid out as a real one:

    data/demo/FS2002/aircraft/<folder>/aircraft.cfg   one aircraft, a [fltsim.N] per livery
    data/demo/FS2002/Aircraft.TXT                      AC#n,cruise speed,"title" per livery
    data/demo/FS2002/FlightPlans.TXT                   the traffic of autumn 2001, times in GMT
    data/demo/wine/system.reg                          a Wine prefix whose registry names C:\\FS2002
    data/demo/wine/dosdevices/c: -> ../drive_c         (links, committed to git)
    data/demo/wine/drive_c/FS2002 -> ../../FS2002

    tools/demo/make-demo.py            (from the repository's root)

Everything is our own making: airlines and routes of the time, aircraft figures from public
type data, registrations made up in each country's series. The output depends on nothing but
this script, so running it again gives the same bytes. The files are committed; the build never
runs this.
"""

import math
import os
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2] / "data" / "demo"
FS = ROOT / "FS2002"

# Latitude and longitude of the airports the demo flies to (degrees, rounded).
AIRPORTS = {
    "LIRF": (41.80, 12.25), "LIMC": (45.63, 8.72), "LIML": (45.45, 9.28),
    "LIRN": (40.88, 14.29), "LICC": (37.47, 15.07), "LICJ": (38.18, 13.10),
    "LIPZ": (45.51, 12.35), "LIPE": (44.53, 11.29), "LIMJ": (44.41, 8.84),
    "LIEE": (39.25, 9.05), "LIBD": (41.14, 16.76), "LIMF": (45.20, 7.65),
    "LIEO": (40.90, 9.52), "LIRP": (43.68, 10.39), "LIRQ": (43.81, 11.20),
    "LIPX": (45.40, 10.89), "LIPQ": (45.83, 13.47),
    "EDDF": (50.03, 8.56), "EDDM": (48.35, 11.79), "EDDL": (51.29, 6.77),
    "EDDH": (53.63, 9.99), "EDDT": (52.56, 13.29), "EDDK": (50.87, 7.14),
    "EGLL": (51.47, -0.46), "EGKK": (51.15, -0.19), "EGCC": (53.35, -2.27),
    "EGPH": (55.95, -3.37), "LFPG": (49.01, 2.55), "LFPO": (48.72, 2.38),
    "LFMN": (43.66, 7.22), "LFLL": (45.73, 5.08), "LFML": (43.44, 5.22),
    "EHAM": (52.31, 4.76), "LEMD": (40.47, -3.56), "LEBL": (41.30, 2.08),
    "LPPT": (38.77, -9.13), "LSZH": (47.46, 8.55), "LSGG": (46.24, 6.11),
    "LOWW": (48.11, 16.57), "LGAV": (37.94, 23.94), "LGRP": (36.41, 28.09),
    "LGIR": (35.34, 25.18), "EKCH": (55.62, 12.65), "ESSA": (59.65, 17.92),
    "EBBR": (50.90, 4.48), "EIDW": (53.42, -6.27), "LTBA": (40.98, 28.82),
    "LLBG": (32.01, 34.89), "HECA": (30.12, 31.41), "OKBK": (29.24, 47.97),
    "FAJS": (-26.14, 28.25), "KJFK": (40.64, -73.78), "KORD": (41.98, -87.90),
    "KBOS": (42.36, -71.01), "KIAD": (38.94, -77.46), "KLAX": (33.94, -118.41),
    "KMIA": (25.79, -80.29), "SBGR": (-23.43, -46.47), "SAEZ": (-34.82, -58.54),
    "RJAA": (35.76, 140.39), "VHHH": (22.31, 113.91), "WSSS": (1.36, 103.99),
    "OMDB": (25.25, 55.36), "VIDP": (28.57, 77.10),
}


class Aircraft:
    """One aircraft folder: its type data and its liveries (airline, texture, callsign text)."""

    def __init__(self, folder, manufacturer, type_name, sim, atc_model, cruise_kt, speed_kmh,
                 mtow_lb, empty_lb, engines, engine_kind, thrust, liveries, ceiling_ft,
                 wing_span_ft, wing_area_sqft, turnaround_min):
        self.folder = folder
        self.manufacturer = manufacturer
        self.type_name = type_name
        self.sim = sim
        self.atc_model = atc_model
        self.cruise_kt = cruise_kt
        self.speed_kmh = speed_kmh
        self.mtow_lb = mtow_lb
        self.empty_lb = empty_lb
        self.engines = engines
        self.engine_kind = engine_kind
        self.thrust = thrust
        self.liveries = liveries
        self.ceiling_ft = ceiling_ft
        self.wing_span_ft = wing_span_ft
        self.wing_area_sqft = wing_area_sqft
        self.turnaround_min = turnaround_min


# Liveries: (airline as the board shows it, the livery's name, texture, registration series).
# atc_airline holds the airline's name, as many traffic packages of the time wrote it, since
# Quillby shows it on the board (15 characters of it).
FLEET = [
    Aircraft("b737_400", "Boeing", "737-400", "b737_400", "B737", 430, 760, 150000, 73000, 2,
             "jet", 23500,
             [("KLM", "KLM", "KLM", "PH-B"), ("British Airways", "British Airways", "BAW", "G-DO"),
              ("Olympic Airways", "Olympic Airways", "OAL", "SX-BK"),
              ("Air One", "Air One", "ADH", "I-JE")],
             37000, 95, 1135, 40),
    Aircraft("a320", "Airbus", "A320-200", "a320", "A320", 450, 780, 162000, 92000, 2, "jet",
             25000,
             [("Air France", "Air France", "AFR", "F-GK"), ("British Airways", "British Airways",
                                                            "BAW", "G-EU"),
              ("Iberia", "Iberia", "IBE", "EC-I"), ("Swissair", "Swissair", "SWR", "HB-IJ"),
              ("Lufthansa", "Lufthansa", "DLH", "D-AIQ")],
             39000, 112, 1320, 40),
    Aircraft("a321", "Airbus", "A321-100", "a321", "A321", 450, 780, 183000, 106000, 2, "jet",
             31000,
             [("Alitalia", "Alitalia", "AZA", "I-BI"), ("Lufthansa", "Lufthansa", "DLH", "D-AIR"),
              ("Swissair", "Swissair", "SWR", "HB-IO")],
             39000, 112, 1320, 45),
    Aircraft("md82", "McDonnell Douglas", "MD-82", "md82", "MD80", 440, 760, 149500, 78000, 2,
             "jet", 20000,
             [("Alitalia", "Alitalia", "AZA", "I-DA"), ("Iberia", "Iberia", "IBE", "EC-F"),
              ("Meridiana", "Meridiana", "ISS", "I-SM")],
             37000, 108, 1209, 40),
    Aircraft("b757_200", "Boeing", "757-200", "b757_200", "B757", 460, 790, 255000, 127500, 2,
             "jet", 40100,
             [("British Airways", "British Airways", "BAW", "G-BI"),
              ("Iberia", "Iberia", "IBE", "EC-H")],
             42000, 125, 1994, 45),
    Aircraft("b767_300", "Boeing", "767-300ER", "b767_300", "B767", 470, 830, 412000, 198000, 2,
             "jet", 60000,
             [("Alitalia", "Alitalia", "AZA", "I-DE"), ("KLM", "KLM", "KLM", "PH-BZ"),
              ("British Airways", "British Airways", "BAW", "G-BZ")],
             43000, 156, 3050, 90),
    Aircraft("b777_200", "Boeing", "777-200ER", "b777_200", "B777", 490, 860, 656000, 304500, 2,
             "jet", 90000,
             [("British Airways", "British Airways", "BAW", "G-YM"),
              ("Air France", "Air France", "AFR", "F-GS")],
             43100, 199, 4605, 100),
    Aircraft("b747_400", "Boeing", "747-400", "b747_400", "B747", 490, 870, 875000, 398000, 4,
             "jet", 58000,
             [("British Airways", "British Airways", "BAW", "G-BN"), ("KLM", "KLM", "KLM", "PH-BF"),
              ("Lufthansa", "Lufthansa", "DLH", "D-AB"),
              ("Air France", "Air France", "AFR", "F-GI")],
             45100, 211, 5650, 110),
    Aircraft("md11", "McDonnell Douglas", "MD-11", "md11", "MD11", 480, 850, 630500, 286000, 3,
             "jet", 61500,
             [("Alitalia", "Alitalia", "AZA", "I-DU"), ("KLM", "KLM", "KLM", "PH-KC"),
              ("Swissair", "Swissair", "SWR", "HB-IW")],
             42000, 170, 3648, 100),
    Aircraft("a340_300", "Airbus", "A340-300", "a340_300", "A340", 480, 850, 608000, 286000, 4,
             "jet", 34000,
             [("Lufthansa", "Lufthansa", "DLH", "D-AIG"), ("Air France", "Air France", "AFR",
                                                           "F-GL"),
              ("Iberia", "Iberia", "IBE", "EC-G")],
             41000, 198, 3908, 100),
    Aircraft("avro_rj", "Avro", "RJ85", "avro_rj", "RJ85", 400, 650, 93000, 53000, 4, "jet", 7000,
             [("Lufthansa", "Lufthansa CityLine", "CLH", "D-AV"), ("Crossair", "Crossair",
                                                                    "CRX", "HB-IX"),
              ("Sabena", "Sabena", "SAB", "OO-DJ")],
             35000, 86, 832, 35),
    Aircraft("atr72", "ATR", "72-500", "atr72", "ATR72", 275, 460, 49600, 28500, 2, "turboprop",
             2475,
             [("Alitalia", "Alitalia Express", "SMX", "I-ADL"), ("Olympic", "Olympic Aviation",
                                                                   "OLY", "SX-BI"),
              ("Air Dolomiti", "Air Dolomiti", "DLA", "I-ADJ")],
             25000, 89, 657, 25),
]


def title_of(aircraft, livery):
    return f"{aircraft.manufacturer} {aircraft.type_name} {livery[1]}"


def crlf(lines):
    return "".join(line + "\r\n" for line in lines)


def write_cfg(aircraft):
    lines = [f"// {aircraft.manufacturer} {aircraft.type_name} for the Quillby demo installation",
             "// AI traffic model: one [fltsim.N] section per livery", ""]
    for n, livery in enumerate(aircraft.liveries):
        airline, variation, texture, _ = livery
        lines += [
            f"[fltsim.{n}]",
            f"title={title_of(aircraft, livery)}",
            f"sim={aircraft.sim}",
            "model=",
            "panel=",
            "sound=",
            f"texture={texture}",
            f"atc_id={first_registration(aircraft, n)}",
            f"atc_airline={airline}",
            "atc_flight_number=",
            f"ui_manufacturer={aircraft.manufacturer}",
            f"ui_type={aircraft.type_name}",
            f"ui_variation={variation}",
            f"description={aircraft.manufacturer} {aircraft.type_name} in {variation} colours, "
            "for AI traffic.",
            "",
        ]
    lines += [
        "[General]",
        f"atc_type={aircraft.manufacturer.upper()}",
        f"atc_model={aircraft.atc_model}",
        "editable=0",
        "performance=AI model: flight dynamics kept simple.",
        "",
        "[WEIGHT_AND_BALANCE]",
        f"max_gross_weight = {aircraft.mtow_lb:.1f}",
        f"empty_weight = {aircraft.empty_lb:.1f}",
        "reference_datum_position = 0.0, 0.0, 0.0",
        "empty_weight_CG_position = 0.0, 0.0, 0.0",
        "",
        "[Reference Speeds]",
        f"cruise_speed = {aircraft.cruise_kt:.1f}     // knots true",
        f"max_indicated_speed = {min(aircraft.cruise_kt - 100, 350):.1f}",
        "",
        "[GeneralEngineData]",
        f"engine_type = {1 if aircraft.engine_kind == 'jet' else 5}",
    ]
    for e in range(aircraft.engines):
        side = (e - (aircraft.engines - 1) / 2) * 20.0
        lines.append(f"Engine.{e} = -5.0, {side:.1f}, -4.0")
    lines += [""]
    if aircraft.engine_kind == "jet":
        lines += ["[jet_engine]", f"thrust_scalar = 1.0", f"static_thrust = {aircraft.thrust:.1f}"]
    else:
        lines += ["[turboprop_engine]", "power_scalar = 1.0",
                  f"maximum_torque = {aircraft.thrust:.1f}"]
    lines += [
        "",
        "[airplane_geometry]",
        f"wing_area = {aircraft.wing_area_sqft:.1f}",
        f"wing_span = {aircraft.wing_span_ft:.1f}",
        "",
        "[flight_tuning]",
        "cruise_lift_scalar = 1.0",
        "parasite_drag_scalar = 1.0",
        "induced_drag_scalar = 1.0",
        "",
        "[autopilot]",
        "autopilot_available = 1",
        f"max_altitude = {aircraft.ceiling_ft}",
    ]
    folder = FS / "aircraft" / aircraft.folder
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "aircraft.cfg").write_bytes(crlf(lines).encode("cp1252"))


def distance_km(a, b):
    (lat1, lon1), (lat2, lon2) = AIRPORTS[a], AIRPORTS[b]
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dp, dl = p2 - p1, math.radians(lon2 - lon1)
    h = math.sin(dp / 2) ** 2 + math.cos(p1) * math.cos(p2) * math.sin(dl / 2) ** 2
    return 2 * 6371 * math.asin(math.sqrt(h))


def block_minutes(aircraft, a, b):
    """Gate to gate: the distance at the type's average speed, plus taxiing, climb and
    approach; rounded to five minutes."""
    minutes = distance_km(a, b) / aircraft.speed_kmh * 60 + (20 if aircraft.engine_kind ==
                                                             "turboprop" else 30)
    return int(5 * round(minutes / 5))


def cruise_level(aircraft, a, b):
    d = distance_km(a, b)
    if aircraft.engine_kind == "turboprop":
        return "170" if d < 300 else "230"
    if d < 400:
        return "250"
    if d < 1500:
        return "330"
    return "350"


def hhmmss(minutes):
    minutes %= 24 * 60
    return f"{minutes // 60:02d}:{minutes % 60:02d}:00"


def weekly(minutes):
    minutes %= 7 * 24 * 60
    return f"{minutes // (24 * 60)}/{hhmmss(minutes % (24 * 60))}"


class FlightNumbers:
    """Each airline's flight numbers, handed out in pairs (out and back) from its ranges."""

    def __init__(self):
        self.next = {}

    def pair(self, airline, long_haul):
        key = (airline, long_haul)
        if key not in self.next:
            self.next[key] = 100 if long_haul else {"Alitalia": 1100, "Lufthansa": 3000,
                                                    "British Airways": 300, "Air France": 1000,
                                                    "KLM": 1200, "Iberia": 3100, "Swissair": 500,
                                                    "Olympic Airways": 200, "Air One": 1900,
                                                    "Meridiana": 1600, "Crossair": 800,
                                                    "Sabena": 3600, "Olympic": 500,
                                                    "Air Dolomiti": 4400,
                                                    "Lufthansa CityLine": 5100}.get(airline, 1000)
        number = self.next[key]
        self.next[key] += 2
        return number, number + 1


registrations = {}  # (folder, livery index) -> the registrations of its flight plans, in order
series_used = {}  # registration series -> how many of its marks are handed out


def registration(aircraft, livery_index):
    """The next registration of a livery's series, unique in the whole demo: each country's
    marks have six characters here (I-DACA, PH-BDA, D-AIQF), the last letters stepping through
    the series in a scattered order."""
    series = aircraft.liveries[livery_index][3]
    letters = max(1, 6 - len(series))
    count = 26 ** letters
    n = series_used.get(series, 0)
    if n >= count:
        raise ValueError(f"the series {series} has no registration left")
    series_used[series] = n + 1
    value = (n * (7 if letters == 1 else 37) + 3) % count
    suffix = ""
    for _ in range(letters):
        suffix = chr(ord("A") + value % 26) + suffix
        value //= 26
    reg = series + suffix
    registrations.setdefault((aircraft.folder, livery_index), []).append(reg)
    return reg


def first_registration(aircraft, livery_index):
    """The registration a livery's aircraft.cfg names: that of its first flight plan."""
    used = registrations.get((aircraft.folder, livery_index))
    return used[0] if used else registration(aircraft, livery_index)


def find(folder, airline_variation):
    for aircraft in FLEET:
        if aircraft.folder == folder:
            for i, livery in enumerate(aircraft.liveries):
                if livery[1] == airline_variation:
                    return aircraft, i
    raise KeyError((folder, airline_variation))


# Routes: (livery, aircraft folder, base, destinations, first departures in GMT, period).
# A line flies base -> destination -> base for each destination in turn; a period below 24 hours
# repeats the whole loop (shuttles). Weekly lines: (livery, folder, base, destination, days,
# departure).
DAILY = [
    # Alitalia from Rome and Milan.
    ("Alitalia", "md82", "LIRF", ["LIML"], ["05:30", "06:30", "08:30"], "8Hr"),
    ("Alitalia", "md82", "LIRF", ["LICC", "LICJ"], ["06:00"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LICJ", "LICC"], ["12:30"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LIPZ", "LIBD"], ["05:45", "13:00"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LIPE", "LIMJ"], ["06:15"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LIEE"], ["07:00", "15:30"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LIMF", "LIRN"], ["06:40"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LIMC"], ["06:10", "12:10"], "12Hr"),
    ("Alitalia", "md82", "LIRF", ["LEBL", "LSGG"], ["06:20"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["EBBR"], ["07:10", "14:20"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["LOWW", "EDDM"], ["06:50"], "24Hr"),
    ("Alitalia", "md82", "LIRF", ["EKCH"], ["08:05"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["EGLL"], ["06:05", "10:35", "15:40"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["LFPG"], ["05:55", "11:20", "16:05"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["EDDF", "LSZH"], ["06:25", "13:05"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["EHAM"], ["07:20", "15:15"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["LEMD", "LPPT"], ["06:35"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["LGAV"], ["07:40", "16:20"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["LTBA", "LLBG"], ["06:45"], "24Hr"),
    ("Alitalia", "a321", "LIRF", ["HECA"], ["09:10"], "24Hr"),
    ("Alitalia", "b767_300", "LIRF", ["KJFK"], ["09:30"], "24Hr"),
    ("Alitalia", "md11", "LIRF", ["KORD"], ["09:50"], "24Hr"),
    ("Alitalia", "md82", "LIMC", ["LIRF"], ["05:40", "06:40", "07:40"], "8Hr"),
    ("Alitalia", "md82", "LIMC", ["LICC"], ["06:30", "14:10"], "24Hr"),
    ("Alitalia", "md82", "LIMC", ["LICJ", "LIRN"], ["06:50"], "24Hr"),
    ("Alitalia", "md82", "LIMC", ["LIBD", "LIEE"], ["07:15"], "24Hr"),
    ("Alitalia", "a321", "LIMC", ["EGLL", "LFPG"], ["05:50", "12:40"], "24Hr"),
    ("Alitalia", "a321", "LIMC", ["EDDF", "EHAM"], ["06:10"], "24Hr"),
    ("Alitalia", "a321", "LIMC", ["LEMD", "LEBL"], ["06:40"], "24Hr"),
    ("Alitalia", "b767_300", "LIMC", ["KJFK"], ["10:10"], "24Hr"),
    ("Alitalia", "md11", "LIMC", ["KMIA"], ["09:40"], "24Hr"),
    ("Alitalia Express", "atr72", "LIRF", ["LIRP", "LIEO"], ["06:05", "13:40"], "24Hr"),
    ("Alitalia Express", "atr72", "LIML", ["LIRQ", "LIPQ"], ["06:15"], "24Hr"),
    ("Air One", "b737_400", "LIRF", ["LIML"], ["05:20", "06:50", "07:50"], "8Hr"),
    ("Air One", "b737_400", "LIRF", ["LICJ", "LIBD"], ["06:25"], "24Hr"),
    ("Meridiana", "md82", "LIEO", ["LIRF", "LIML"], ["06:00"], "24Hr"),
    ("Meridiana", "md82", "LIRQ", ["LIRF", "LICC"], ["06:30"], "24Hr"),
    # Lufthansa from Frankfurt.
    ("Lufthansa", "a321", "EDDF", ["EDDT"], ["05:10", "08:00", "11:30", "15:20"], "24Hr"),
    ("Lufthansa", "a321", "EDDF", ["EDDH", "EDDM"], ["05:30", "12:15"], "24Hr"),
    ("Lufthansa", "a321", "EDDF", ["EGLL"], ["05:45", "10:10", "15:30"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LFPG", "EHAM"], ["05:35", "12:45"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LIRF"], ["06:05", "11:50"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LIMC", "LIPZ"], ["06:15"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LEMD"], ["06:20", "14:40"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LEBL", "LPPT"], ["06:35"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LOWW", "LSZH"], ["05:55", "13:10"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["EKCH", "ESSA"], ["06:25"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LGAV"], ["08:25"], "24Hr"),
    ("Lufthansa", "a320", "EDDF", ["LTBA", "EIDW"], ["06:10"], "24Hr"),
    ("Lufthansa", "b747_400", "EDDF", ["KJFK"], ["09:55"], "24Hr"),
    ("Lufthansa", "b747_400", "EDDF", ["KORD"], ["09:20"], "24Hr"),
    ("Lufthansa", "a340_300", "EDDF", ["KIAD"], ["10:15"], "24Hr"),
    ("Lufthansa", "a340_300", "EDDF", ["KBOS"], ["10:35"], "24Hr"),
    ("Lufthansa CityLine", "avro_rj", "EDDF", ["LFLL", "LSGG"], ["05:50", "13:30"], "24Hr"),
    ("Lufthansa CityLine", "avro_rj", "EDDF", ["EGCC", "EDDK"], ["06:30"], "24Hr"),
    ("Lufthansa CityLine", "avro_rj", "EDDM", ["LIPE", "LIMJ"], ["06:20"], "24Hr"),
    ("Air Dolomiti", "atr72", "EDDM", ["LIPX", "LIPQ"], ["06:00", "13:00"], "24Hr"),
    # British Airways from Heathrow.
    ("British Airways", "a320", "EGLL", ["LIRF"], ["06:35", "11:05", "16:15"], "24Hr"),
    ("British Airways", "a320", "EGLL", ["LIMC", "LIML"], ["06:50"], "24Hr"),
    ("British Airways", "a320", "EGLL", ["LFPG"], ["05:50", "08:10", "12:20", "16:40"], "24Hr"),
    ("British Airways", "a320", "EGLL", ["EDDF", "EDDM"], ["06:20", "13:20"], "24Hr"),
    ("British Airways", "b737_400", "EGLL", ["EHAM", "EBBR"], ["06:05", "12:55"], "24Hr"),
    ("British Airways", "b737_400", "EGLL", ["LSZH", "LSGG"], ["06:40"], "24Hr"),
    ("British Airways", "b737_400", "EGLL", ["EGCC", "EGPH"], ["06:00", "12:30"], "24Hr"),
    ("British Airways", "b737_400", "EGLL", ["EIDW"], ["06:15", "10:30", "15:45"], "24Hr"),
    ("British Airways", "b757_200", "EGLL", ["LEMD", "LEBL"], ["06:30"], "24Hr"),
    ("British Airways", "b757_200", "EGLL", ["LPPT"], ["07:15", "14:35"], "24Hr"),
    ("British Airways", "b757_200", "EGLL", ["LGAV"], ["07:50"], "24Hr"),
    ("British Airways", "b757_200", "EGLL", ["LOWW", "EKCH"], ["06:45"], "24Hr"),
    ("British Airways", "b767_300", "EGLL", ["LIRF"], ["08:30"], "24Hr"),
    ("British Airways", "b767_300", "EGLL", ["LTBA"], ["09:05"], "24Hr"),
    ("British Airways", "b747_400", "EGLL", ["KJFK"], ["08:00", "10:30", "17:30"], "24Hr"),
    ("British Airways", "b747_400", "EGLL", ["KIAD"], ["11:45"], "24Hr"),
    ("British Airways", "b777_200", "EGLL", ["KORD"], ["09:40"], "24Hr"),
    ("British Airways", "b777_200", "EGLL", ["KBOS"], ["10:50"], "24Hr"),
    ("British Airways", "b777_200", "EGLL", ["KMIA"], ["10:25"], "24Hr"),
    ("British Airways", "b777_200", "EGLL", ["OMDB"], ["09:15"], "24Hr"),
    # Air France from Charles de Gaulle.
    ("Air France", "a320", "LFPG", ["LIRF"], ["06:10", "10:40", "15:50"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LIMC", "LIPZ"], ["06:25"], "24Hr"),
    ("Air France", "a320", "LFPG", ["EGLL"], ["06:00", "09:30", "13:15", "17:05"], "24Hr"),
    ("Air France", "a320", "LFPG", ["EDDF", "EDDT"], ["05:55", "12:40"], "24Hr"),
    ("Air France", "a320", "LFPG", ["EHAM", "EDDM"], ["06:15"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LEMD", "LPPT"], ["06:30"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LEBL", "LFMN"], ["06:05", "13:25"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LFML", "LFLL"], ["06:20"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LSZH", "LOWW"], ["06:40"], "24Hr"),
    ("Air France", "a320", "LFPG", ["LGAV"], ["07:25"], "24Hr"),
    ("Air France", "a320", "LFPG", ["HECA"], ["08:40"], "24Hr"),
    ("Air France", "b747_400", "LFPG", ["KJFK"], ["09:45", "15:10"], "24Hr"),
    ("Air France", "b777_200", "LFPG", ["KIAD"], ["10:20"], "24Hr"),
    ("Air France", "b777_200", "LFPG", ["KMIA"], ["09:35"], "24Hr"),
    ("Air France", "a340_300", "LFPG", ["KBOS"], ["10:45"], "24Hr"),
    ("Air France", "a340_300", "LFPG", ["VIDP"], ["10:30"], "24Hr"),
    # KLM from Schiphol.
    ("KLM", "b737_400", "EHAM", ["LIRF"], ["06:20", "14:05"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["LIMC", "LIPE"], ["06:30"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["EGLL"], ["05:50", "08:45", "12:50", "16:30"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["LFPG", "EDDF"], ["05:45", "12:10"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["EDDT", "EDDH"], ["06:05"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["EDDM", "LOWW"], ["06:10"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["LEMD", "LEBL"], ["06:25"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["EKCH", "ESSA"], ["06:35"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["EGCC", "EGPH"], ["06:00", "13:35"], "24Hr"),
    ("KLM", "b737_400", "EHAM", ["LSZH", "LSGG"], ["06:45"], "24Hr"),
    ("KLM", "b767_300", "EHAM", ["KIAD"], ["10:05"], "24Hr"),
    ("KLM", "b767_300", "EHAM", ["LGAV"], ["07:30"], "24Hr"),
    ("KLM", "b747_400", "EHAM", ["KJFK"], ["10:25"], "24Hr"),
    ("KLM", "md11", "EHAM", ["KORD"], ["10:40"], "24Hr"),
    ("KLM", "md11", "EHAM", ["OMDB"], ["09:25"], "24Hr"),
    # Iberia from Madrid.
    ("Iberia", "md82", "LEMD", ["LEBL"], ["05:45", "06:45", "07:45"], "8Hr"),
    ("Iberia", "a320", "LEMD", ["LIRF", "LIMC"], ["06:10"], "24Hr"),
    ("Iberia", "a320", "LEMD", ["LFPG"], ["06:00", "13:30"], "24Hr"),
    ("Iberia", "a320", "LEMD", ["EDDF", "EHAM"], ["06:20"], "24Hr"),
    ("Iberia", "b757_200", "LEMD", ["EGLL"], ["06:35", "14:15"], "24Hr"),
    ("Iberia", "md82", "LEMD", ["LPPT", "LSZH"], ["06:15"], "24Hr"),
    ("Iberia", "a340_300", "LEMD", ["KJFK"], ["10:10"], "24Hr"),
    ("Iberia", "a340_300", "LEMD", ["KMIA"], ["10:30"], "24Hr"),
    # Swissair and Crossair from Zurich, Sabena from Brussels, Olympic from Athens.
    ("Swissair", "a320", "LSZH", ["LIRF", "LIML"], ["06:05", "12:45"], "24Hr"),
    ("Swissair", "a320", "LSZH", ["EGLL"], ["05:55", "11:35", "16:10"], "24Hr"),
    ("Swissair", "a321", "LSZH", ["LFPG", "EHAM"], ["06:15"], "24Hr"),
    ("Swissair", "a321", "LSZH", ["EDDF", "EDDT"], ["06:30"], "24Hr"),
    ("Swissair", "a320", "LSZH", ["LEMD", "LGAV"], ["06:40"], "24Hr"),
    ("Swissair", "md11", "LSZH", ["KJFK"], ["10:20"], "24Hr"),
    ("Swissair", "md11", "LSZH", ["KBOS"], ["10:50"], "24Hr"),
    ("Crossair", "avro_rj", "LSZH", ["LIPE", "LIPZ"], ["06:10"], "24Hr"),
    ("Crossair", "avro_rj", "LSZH", ["LIMF", "EDDL"], ["06:20", "13:40"], "24Hr"),
    ("Crossair", "avro_rj", "LSZH", ["EDDH", "LFMN"], ["06:05"], "24Hr"),
    ("Sabena", "avro_rj", "EBBR", ["LIML", "LSGG"], ["06:15"], "24Hr"),
    ("Sabena", "avro_rj", "EBBR", ["LIPZ", "LFLL"], ["06:25", "13:50"], "24Hr"),
    ("Olympic Airways", "b737_400", "LGAV", ["LIRF"], ["06:30", "14:10"], "24Hr"),
    ("Olympic Airways", "b737_400", "LGAV", ["LIMC", "EDDF"], ["05:50"], "24Hr"),
    ("Olympic Airways", "b737_400", "LGAV", ["EGLL"], ["07:05"], "24Hr"),
    ("Olympic Airways", "b737_400", "LGAV", ["LFPG", "EHAM"], ["06:10"], "24Hr"),
    ("Olympic Aviation", "atr72", "LGAV", ["LGRP", "LGIR"], ["05:45", "12:45"], "24Hr"),
]

# Long-haul flights a few days a week: (livery, folder, base, destination, days, departure).
# Days: 0 Sunday to 6 Saturday.
WEEKLY = [
    ("Alitalia", "md11", "LIRF", "SBGR", [1, 3, 5], "21:35"),
    ("Alitalia", "md11", "LIRF", "SAEZ", [2, 4, 6], "21:10"),
    ("Alitalia", "md11", "LIRF", "RJAA", [0, 3], "12:15"),
    ("Alitalia", "md11", "LIMC", "RJAA", [2, 5], "12:05"),
    ("Alitalia", "b767_300", "LIRF", "KBOS", [1, 4, 6], "10:25"),
    ("Alitalia", "b767_300", "LIRF", "FAJS", [2, 5], "19:45"),
    ("Alitalia", "b767_300", "LIRF", "OKBK", [0, 4], "11:30"),
    ("Alitalia", "b767_300", "LIRF", "VIDP", [3, 6], "12:50"),
    ("Alitalia", "b767_300", "LIMC", "SBGR", [1, 4], "21:20"),
    ("Alitalia", "a321", "LIRF", "OMDB", [1, 3, 5], "09:35"),
    ("Lufthansa", "b747_400", "EDDF", "SBGR", [1, 3, 5], "21:50"),
    ("Lufthansa", "a340_300", "EDDF", "SAEZ", [2, 4, 6], "21:25"),
    ("Lufthansa", "a340_300", "EDDF", "FAJS", [1, 3, 5], "20:15"),
    ("Lufthansa", "b747_400", "EDDF", "WSSS", [1, 4], "20:40"),
    ("Lufthansa", "a340_300", "EDDF", "OKBK", [1, 5], "12:10"),
    ("British Airways", "b777_200", "EGLL", "SBGR", [1, 3, 5], "21:45"),
    ("British Airways", "b777_200", "EGLL", "SAEZ", [2, 4, 6], "20:55"),
    ("British Airways", "b777_200", "EGLL", "OKBK", [0, 3, 5], "12:35"),
    ("British Airways", "b747_400", "EGLL", "VHHH", [0, 2, 4], "20:10"),
    ("British Airways", "b747_400", "EGLL", "RJAA", [1, 3, 5], "12:30"),
    ("Air France", "b747_400", "LFPG", "SBGR", [0, 2, 4], "22:05"),
    ("Air France", "a340_300", "LFPG", "SAEZ", [1, 3, 5], "21:35"),
    ("Air France", "b777_200", "LFPG", "FAJS", [1, 4, 6], "20:30"),
    ("Air France", "a340_300", "LFPG", "VHHH", [2, 5], "20:50"),
    ("KLM", "md11", "EHAM", "SBGR", [2, 4, 6], "21:15"),
    ("KLM", "b747_400", "EHAM", "FAJS", [0, 3, 5], "20:25"),
    ("KLM", "b767_300", "EHAM", "OKBK", [2, 6], "12:20"),
    ("KLM", "b747_400", "EHAM", "RJAA", [1, 4], "12:40"),
    ("KLM", "md11", "EHAM", "WSSS", [0, 3], "20:45"),
    ("Iberia", "a340_300", "LEMD", "SAEZ", [1, 3, 5], "23:10"),
    ("Iberia", "a340_300", "LEMD", "SBGR", [2, 4, 6], "22:50"),
    ("Swissair", "md11", "LSZH", "SBGR", [1, 4], "21:55"),
    ("Swissair", "md11", "LSZH", "FAJS", [2, 5], "20:20"),
    ("Swissair", "md11", "LSZH", "VHHH", [1, 4], "20:05"),
    ("Olympic Airways", "b737_400", "LGAV", "LLBG", [1, 3, 5], "08:15"),
    ("Lufthansa", "b747_400", "EDDF", "KLAX", [0, 2, 4], "09:40"),
    ("British Airways", "b747_400", "EGLL", "KLAX", [1, 3, 5], "11:15"),
    ("British Airways", "b747_400", "EGLL", "FAJS", [1, 3, 5], "19:00"),
    ("Air France", "b747_400", "LFPG", "RJAA", [0, 2, 4], "12:00"),
    ("KLM", "b747_400", "EHAM", "KLAX", [1, 3, 5], "10:55"),
    ("KLM", "b747_400", "EHAM", "VHHH", [0, 2, 4], "15:15"),
]

MINUTES = {"24Hr": 24 * 60, "12Hr": 12 * 60, "8Hr": 8 * 60}


def to_minutes(hhmm):
    h, m = hhmm.split(":")
    return int(h) * 60 + int(m)


def leg_fields(dep_text, arr_text, aircraft, a, b, number):
    return [dep_text, arr_text, cruise_level(aircraft, a, b), "F", str(number), b]


def daily_line(ac_number, aircraft, livery_index, base, destinations, start, period, numbers):
    """base -> d1 -> base -> d2 -> base ..., flown from `start`; the legs must fit the period."""
    airline = aircraft.liveries[livery_index][1]
    reg = registration(aircraft, livery_index)
    legs = []
    t = to_minutes(start)
    begin = t
    for destination in destinations:
        long_haul = distance_km(base, destination) > 3000
        out, back = numbers.pair(airline, long_haul)
        for a, b, number in ((base, destination, out), (destination, base, back)):
            arrive = t + block_minutes(aircraft, a, b)
            legs += leg_fields(hhmmss(t), hhmmss(arrive), aircraft, a, b, number)
            t = arrive + aircraft.turnaround_min
    end = t - aircraft.turnaround_min
    if end - begin + aircraft.turnaround_min > MINUTES[period]:
        raise ValueError(f"{airline} {base} {destinations} from {start} does not fit {period}")
    pct = "100%" if aircraft.engine_kind == "jet" else "75%"
    return ",".join([f"AC#{ac_number}", reg, pct, period, "IFR"] + legs)


def weekly_line(ac_number, aircraft, livery_index, base, destination, days, start, numbers):
    airline = aircraft.liveries[livery_index][1]
    reg = registration(aircraft, livery_index)
    legs = []
    out, back = numbers.pair(airline, True)
    previous_end = None
    for day in days:
        t = day * 24 * 60 + to_minutes(start)
        if previous_end is not None and t < previous_end:
            raise ValueError(f"{airline} {base}-{destination}: day {day} overlaps")
        arrive = t + block_minutes(aircraft, base, destination)
        legs += leg_fields(weekly(t), weekly(arrive), aircraft, base, destination, out)
        t = arrive + aircraft.turnaround_min
        arrive = t + block_minutes(aircraft, destination, base)
        legs += leg_fields(weekly(t), weekly(arrive), aircraft, destination, base, back)
        previous_end = arrive + aircraft.turnaround_min
    # The week repeats: the last flight home may land in the next week, before the first
    # departure comes round again.
    if previous_end > days[0] * 24 * 60 + to_minutes(start) + 7 * 24 * 60:
        raise ValueError(f"{airline} {base}-{destination} runs into the next week's first flight")
    return ",".join([f"AC#{ac_number}", reg, "100%", "WEEK", "IFR"] + legs)


def write_wine_prefix():
    wine = ROOT / "wine"
    (wine / "dosdevices").mkdir(parents=True, exist_ok=True)
    (wine / "drive_c").mkdir(parents=True, exist_ok=True)
    for link, target in ((wine / "dosdevices" / "c:", "../drive_c"),
                         (wine / "drive_c" / "FS2002", "../../FS2002")):
        if link.is_symlink() or link.exists():
            link.unlink()
        os.symlink(target, link)
    # Keys written on 11 December 2024, 09:00 UTC; Wine keeps the time twice, as Unix seconds
    # after the key's name and as a Windows file time in "#time=".
    unix = 1733907600
    filetime = (unix + 11644473600) * 10_000_000
    text = "\n".join([
        "WINE REGISTRY Version 2",
        ";; All keys relative to \\\\Machine",
        "",
        "#arch=win64",
        "",
        f"[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\8.0] {unix}",
        f"#time={filetime:x}",
        '"EXE Path"="C:\\\\FS2002"',
        "",
        f"[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] {unix}",
        f"#time={filetime:x}",
        '"CurrentBuild"="7601"',
        '"CurrentVersion"="6.1"',
        '"ProductName"="Microsoft Windows 7"',
        '"RegisteredOrganization"=""',
        '"RegisteredOwner"="Quillby demo"',
        "",
        f"[System\\\\CurrentControlSet\\\\Control\\\\Session Manager\\\\Environment] {unix}",
        f"#time={filetime:x}",
        '"ComSpec"="C:\\\\windows\\\\system32\\\\cmd.exe"',
        '"PROCESSOR_ARCHITECTURE"="AMD64"',
        '"TEMP"=str(2):"%SystemRoot%\\\\temp"',
        '"windir"="C:\\\\windows"',
        "",
    ])
    (wine / "system.reg").write_bytes(text.encode("ascii"))


def main():
    numbers = FlightNumbers()
    ac_numbers = {}
    aircraft_lines = []
    for aircraft in FLEET:
        for i, livery in enumerate(aircraft.liveries):
            n = len(ac_numbers) + 1
            ac_numbers[(aircraft.folder, i)] = n
            aircraft_lines.append(f'AC#{n},{aircraft.cruise_kt},"{title_of(aircraft, livery)}"')

    plan_lines = []
    for variation, folder, base, destinations, starts, period in DAILY:
        aircraft, i = find(folder, variation)
        for start in starts:
            plan_lines.append(daily_line(ac_numbers[(folder, i)], aircraft, i, base,
                                         destinations, start, period, numbers))
    for variation, folder, base, destination, days, start in WEEKLY:
        aircraft, i = find(folder, variation)
        plan_lines.append(weekly_line(ac_numbers[(folder, i)], aircraft, i, base, destination,
                                      days, start, numbers))

    FS.mkdir(parents=True, exist_ok=True)
    for aircraft in FLEET:
        write_cfg(aircraft)
    (FS / "Aircraft.TXT").write_bytes(crlf(aircraft_lines).encode("cp1252"))
    (FS / "FlightPlans.TXT").write_bytes(crlf(plan_lines).encode("cp1252"))
    write_wine_prefix()

    rows = 0
    for line in plan_lines:
        fields = line.split(",")
        legs = (len(fields) - 5) // 6
        rows += legs * (24 * 60 // MINUTES[fields[3]] if fields[3] != "WEEK" else 1)
    print(f"{len(aircraft_lines)} liveries, {len(plan_lines)} flight plans, {rows} flight rows")


if __name__ == "__main__":
    main()
