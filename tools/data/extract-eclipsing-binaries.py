#!/usr/bin/env python3
"""Writes sky/data/eclipsing-binaries.txt and sky/data/eclipsing-binaries-sources.txt.

Run by hand (the build and the tests read the committed files):
    apt-get install xplanet stellarium-data
    tools/data/extract-eclipsing-binaries.py sky/data

The elements, ranges and durations of the stars come from the O-C gateway's linear elements (valid to
July 2018) typed in below; the names, J2000 places, proper motions, parallaxes, the depth of the
secondary minimum and a second set of elements come from two Debian packages:
- xplanet: the Yale Bright Star Catalogue (Hoffleit & Warren 1991), /usr/share/xplanet/stars/BSC;
- stellarium-data: GCVS 5.1 rows of Hipparcos stars (Samus et al. 2017, Astronomy Reports 61, 80),
  stars/default/gcvs_hip_part.dat; the HIP/SAO/HD/HR cross-identifications, cross-id.dat; the
  Hipparcos proper motions, hip_pm.dat; and the Hipparcos places and parallaxes of its binary star
  files stars_[012]_0v0_8.cat.
Stellarium documents those files (the user guide's chapter on its star catalogues): a header of
eight little-endian int32 (magic, data type 0, version, geodesic level L, magnitude minimum, range,
steps), 20*4^L zone counts, then 28-byte records: HIP number (24 bits) and component (8 bits), x0, x1
(int32, the place relative to the centre of the star's zone), B-V and magnitude bytes, spectral
index (uint16), dx0, dx1 (int32), parallax (int32, 0.01 mas). The guide leaves the zone geometry
out; it was worked out from the data and is checked below on every run: the zones are the faces of
an icosahedron (level 0) cut into four at each level (corner children 0-2 at the face's corners in
order, child 3 in the middle); a place is c + s*(x0*e + x1*n) normalised, with c the zone's centre,
e = z x c and n = c x e its east and north axes, s = (3 - sqrt 5) / 2^L / 2^31. Every decoded star
must lie in its own zone, and the Bright Star Catalogue's stars must agree within a few arcseconds.
"""

import math
import os
import struct
import sys

XPLANET_BSC = '/usr/share/xplanet/stars/BSC'
STELLARIUM = '/usr/share/stellarium/stars/default/'
STAR_FILES = ['stars_0_0v0_8.cat', 'stars_1_0v0_8.cat', 'stars_2_0v0_8.cat']
GCVS = 'Samus et al. 2017, Astronomy Reports 61, 80 (GCVS 5.1)'
OC = 'O-C gateway, linear elements valid to 2018-07'

# The O-C gateway's linear elements (heliocentric), V range and primary eclipse duration D (hours);
# 'gcvs' where its epoch is coarse and GCVS 5.1's elements are kept instead.
# designation, AAVSO name, other names, HIP, V max, V min, period, epoch, D, elements kept, note
STARS = [
    ('β Per', 'BET PER', ['Algol', '26 Per'], 14576, 2.12, 3.39, 2.867326, 2455528.105, 9.6, 'oc',
     'the program\'s current elements; place, motion, parallax and radial velocity those of '
     'sky/algolplace.h (SIMBAD, van Leeuwen 2007); GCVS gives 2445641.5135 + 2.8673043 E'),
    ('λ Tau', 'LAM TAU', ['35 Tau'], 18724, 3.37, 3.91, 3.9529478, 2455178.081, 14.2, 'oc',
     'GCVS epoch 2421506.8506 with the same period predicts minima 30 min later'),
    ('β Lyr', 'BET LYR', ['Sheliak', '10 Lyr'], 92420, 3.25, 4.36, 12.93763, 2455435.1, None, 'oc',
     'EB: no flat maximum, D undefined; epoch coarse (0.1 d) but GCVS\'s 1888 elements '
     '(P 12.913834 d) are days off today (the period grows by 19 s a year): kept these'),
    ('u Her', '68 HER', ['68 Her'], 84573, 4.69, 5.37, 2.051027, 2448852.3679, 13.8, 'oc',
     'not in the GCVS rows of stellarium-data; HIP from SIMBAD; no secondary depth listed; '
     'AAVSO name not checked (U HER is another star, the Mira U Her)'),
    ('δ Lib', 'DEL LIB', ['19 Lib'], 73473, 4.91, 5.90, 2.32735, 2454225.078, 12.8, 'oc',
     'GCVS 2442960.6994 + 2.3273543 E predicts minima 34 min earlier in 2018'),
    ('HU Tau', 'HU TAU', [], 21604, 5.85, 6.68, 2.0563025, 2454049.08, 7.4, 'oc',
     'not in the GCVS rows of stellarium-data; HIP from SIMBAD; no secondary depth listed'),
    ('AR Lac', 'AR LAC', [], 109303, 6.08, 6.77, 1.98318, 2455115.041, 7.1, 'oc',
     'GCVS 2441593.7123 + 1.98319204 E (1972) is 2.3 h later in 2018: kept the recent fit'),
    ('RZ Cas', 'RZ CAS', [], 13133, 6.18, 7.72, 1.195251, 2453728.1, 4.9, 'gcvs',
     'O-C gateway epoch coarse (2453728.1 + 1.195251 E, 5 min earlier in 2018): kept GCVS'),
    ('U Sge', 'U SGE', [], 94910, 6.45, 9.28, 3.380618, 2455828.3559, 13.8, 'oc',
     'GCVS 2417130.4114 + 3.38061933 E is 9 min later in 2018'),
    ('U Cep', 'U CEP', [], 4843, 6.75, 9.24, 2.493081, 2453337.2143, 9.0, 'oc',
     'GCVS 2457278.782 + 2.493091 E is 16 min later in 2018; GCVS D 14 % = 8.4 h, kept 9.0 h'),
    ('TX UMa', 'TX UMA', [], 52599, 7.06, 8.80, 3.063295, 2444998.1475, 8.8, 'oc',
     'GCVS period 3.0632382 d from the same epoch is 5.9 h off in 2018; Semenyuta (2014) '
     '2451912.095 + 3.0632465 E agrees with these within 21 min'),
    ('TV Cas', 'TV CAS', [], 1550, 7.22, 8.22, 1.8125997, 2432827.76, 7.8, 'gcvs',
     'O-C gateway epoch coarse and old (2432827.76 + 1.8125997 E, 19 min later in 2018): kept GCVS'),
    ('Z Vul', 'Z VUL', [], 95163, 7.25, 8.90, 2.454932, 2442947.4777, 10.6, 'oc',
     'GCVS period 2.454934 d from the same epoch is 18 min later in 2018'),
    ('Y Cyg', 'Y CYG', [], 102999, 7.3, 7.9, 2.996332, 2448987.024, 7.2, 'oc',
     'eccentric orbit with apsidal motion: the secondary is not at phase 0.5; '
     'GCVS 2409453.4192 + 2.9963328 E is 18 min later in 2018'),
    ('RS CVn', 'RS CVN', [], 64293, 7.93, 9.14, 4.79779, 2456012.3569, 12.7, 'oc',
     'GCVS 2456012.356 + 4.7976966 E parts by 1.1 h in 2018 (period)'),
    ('RW Tau', 'RW TAU', [], 18972, 7.98, 11.59, 2.76877, 2455917.573, 9.3, 'oc',
     'GCVS 2445684.204 + 2.7688356 E (1983) is 7.3 h off in 2018: kept the recent fit'),
    ('X Tri', 'X TRI', [], 9383, 8.55, 11.27, 0.97153, 2442502.714, 4.2, 'oc',
     'GCVS 2442502.721 + 0.9715352 E is 2.2 h off in 2018 (period)'),
    ('SW Cyg', 'SW CYG', [], 99089, 9.24, 11.83, 4.573, 2446285.4227, 13.2, 'oc',
     'period given to 0.001 d only; GCVS 2441867.8173 + 4.57313411 E (1973) is 9.5 h off in '
     '2018: kept the recent fit, check it against a timing before relying on it'),
]

# The stars whose secondary minimum does not fall at phase 0.5: Y Cyg's orbit is eccentric and
# turns (apsidal motion), so the phase of its secondary changes over the years.
ECCENTRIC = {102999}

# Algol as the program used it before the catalogue (sky/algolplace.h).
ALGOL_RA = (3.0 + 8.0 / 60.0 + 10.13245 / 3600.0) * 15.0
ALGOL_DEC = 40.0 + 57.0 / 60.0 + 20.3280 / 3600.0
ALGOL_PM = (2.99, -1.66)
ALGOL_PARALLAX = 36.27
ALGOL_RADIAL_VELOCITY = 3.7


# --- stellarium's zones -----------------------------------------------------------------------

def norm(v):
    n = math.sqrt(sum(x * x for x in v))
    return tuple(x / n for x in v)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


PHI = (1 + 5 ** 0.5) / 2
VERTICES = []
for s1 in (1, -1):
    for s2 in (1, -1):
        VERTICES += [norm(v) for v in ((s1, 0, s2 * PHI), (0, s1 * PHI, s2), (s1 * PHI, s2, 0))]
# The level-0 zones: the icosahedron's faces, corners in the order of their children.
FACES = [[2, 5, 3], [5, 2, 0], [5, 0, 7], [0, 6, 7], [5, 10, 3], [7, 10, 5], [10, 7, 11],
         [7, 6, 11], [9, 3, 10], [10, 11, 9], [11, 8, 9], [8, 11, 6], [3, 9, 4], [8, 4, 9],
         [1, 4, 8], [8, 6, 1], [4, 2, 3], [4, 1, 2], [1, 0, 2], [6, 0, 1]]


def triangles(level):
    ts = [tuple(VERTICES[i] for i in f) for f in FACES]
    for _ in range(level):
        out = []
        for c0, c1, c2 in ts:
            e0, e1, e2 = norm(tuple(map(sum, zip(c1, c2)))), norm(tuple(map(sum, zip(c2, c0)))), \
                norm(tuple(map(sum, zip(c0, c1))))
            out += [(c0, e2, e1), (e2, c1, e0), (e1, e0, c2), (e0, e1, e2)]
        ts = out
    return ts


def place(triangle, level, x0, x1):
    c = norm(tuple(map(sum, zip(*triangle))))
    e = norm(cross((0, 0, 1), c))
    n = cross(c, e)
    s = (3 - 5 ** 0.5) / 2 ** level / 2 ** 31
    return norm(tuple(c[i] + s * (x0 * e[i] + x1 * n[i]) for i in range(3)))


def inside(triangle, p):
    return all(dot(cross(triangle[i], triangle[(i + 1) % 3]), p) > -1e-9 for i in range(3))


def radec(p):
    return math.degrees(math.atan2(p[1], p[0])) % 360, math.degrees(math.asin(p[2]))


def unit(ra, dec):
    ra, dec = math.radians(ra), math.radians(dec)
    return (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))


def read_star_file(name, wanted, bsc_places, checks):
    data = open(STELLARIUM + name, 'rb').read()
    magic, kind, _, _, level = struct.unpack('<I4i', data[:20])
    if magic != 0x835f040a or kind != 0:
        sys.exit(name + ': not a star file of data type 0')
    zones = 20 * 4 ** level
    counts = struct.unpack('<%dI' % zones, data[32:32 + 4 * zones])
    if 32 + 4 * zones + 28 * sum(counts) != len(data):
        sys.exit(name + ': the zone counts do not match the length of the file')
    found = {}
    offset = 32 + 4 * zones
    outside = 0
    misses = []
    for zone, (triangle, count) in enumerate(zip(triangles(level), counts)):
        for _ in range(count):
            record = data[offset:offset + 28]
            offset += 28
            word, x0, x1 = struct.unpack('<Iii', record[:12])
            parallax, = struct.unpack('<i', record[24:28])
            hip, component = word & 0xffffff, word >> 24
            p = place(triangle, level, x0, x1)
            outside += not inside(triangle, p)
            if component == 0 and hip in bsc_places:
                misses.append(math.degrees(math.acos(min(1, dot(p, unit(*bsc_places[hip]))))) * 3600)
            if hip in wanted and component == 0:
                found[hip] = (name, level, zone, record.hex(), radec(p), parallax / 100)
    misses.sort()
    median = misses[len(misses) // 2] if misses else 0
    checks.append('%s: level %d, %d stars, %d outside their zone; %d Bright Star Catalogue stars, '
                  'median distance %.2f arcsec' % (name, level, sum(counts), outside, len(misses), median))
    if outside or median > 3:
        sys.exit(checks[-1] + ': the zone geometry does not fit')
    return found


# --- the text catalogues ----------------------------------------------------------------------

def read_rows(path):
    return [line.rstrip('\n') for line in open(path, encoding='utf-8') if not line.startswith('#')]


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else 'sky/data'
    wanted = {star[3] for star in STARS}

    cross_id = {}
    hr_to_hip = {}
    for row in read_rows(STELLARIUM + 'cross-id.dat'):
        f = row.split('\t')
        if len(f) >= 5 and f[0].strip():
            if f[0].strip().isdigit() and int(f[0]) in wanted:
                cross_id[int(f[0])] = row
            if f[4].strip():
                hr_to_hip[int(f[4])] = int(f[0])
    proper_motion = {int(r.split('\t')[0]): r for r in read_rows(STELLARIUM + 'hip_pm.dat')
                     if r.split('\t')[0].strip().isdigit() and int(r.split('\t')[0]) in wanted}
    gcvs = {int(r.split('\t')[0]): r for r in read_rows(STELLARIUM + 'gcvs_hip_part.dat')
            if r.split('\t')[0].strip().isdigit() and int(r.split('\t')[0]) in wanted}
    bsc_rows = {}
    bsc_places = {}
    for row in read_rows(XPLANET_BSC):
        if '"' not in row:
            continue
        head, _, tail = row.split('"')
        dec, ra, _ = map(float, head.split())
        hr = int(tail.split()[0])
        hip = hr_to_hip.get(hr)
        if hip:
            bsc_places[hip] = (ra * 15, dec)
            if hip in wanted:
                bsc_rows[hip] = row

    checks = []
    records = {}
    for name in STAR_FILES:
        records.update(read_star_file(name, wanted, bsc_places, checks))

    lines = []
    for designation, aavso, others, hip, vmax, vmin, period, epoch, hours, kept, note in STARS:
        ids = cross_id[hip].split('\t')
        hd, hr = ids[3].strip() or '-', ids[4].strip() or '-'
        g = gcvs[hip].split('\t') if hip in gcvs else None
        secondary = g[6] if g and g[6] else '-'
        secondary_phase = '-' if secondary == '-' or hip in ECCENTRIC else '0.5'
        if kept == 'gcvs':
            epoch, period, source = 2400000 + float(g[8]), g[9], GCVS
            epoch = '%.*f' % (len(g[8].split('.')[1]), epoch)
        else:
            epoch, period, source = repr(epoch), repr(period), OC
        _, _, _, _, (ra, dec), parallax = records[hip]
        pm = proper_motion[hip].split('\t')[1:3]
        rv = '-'
        if hip == 14576:
            ra, dec, pm, parallax, rv = ALGOL_RA, ALGOL_DEC, ALGOL_PM, ALGOL_PARALLAX, ALGOL_RADIAL_VELOCITY
        fields = [designation, aavso, ', '.join(others) or '-', hr, hd, str(hip),
                  '%.7f' % ra if hip != 14576 else repr(ra), '%.7f' % dec if hip != 14576 else repr(dec), '%.2f' % float(pm[0]), '%.2f' % float(pm[1]),
                  '%.2f' % parallax, str(rv), '%.2f' % vmax, '%.2f' % vmin, secondary, secondary_phase,
                  '-' if hours is None else '%.1f' % hours, epoch, period, 'HJD', source, note]
        lines.append(' | '.join(fields))

    with open(os.path.join(out_dir, 'eclipsing-binaries.txt'), 'w', encoding='utf-8') as out:
        out.write(CATALOGUE_HEADER)
        out.write('\n'.join(lines) + '\n')

    with open(os.path.join(out_dir, 'eclipsing-binaries-sources.txt'), 'w', encoding='utf-8') as out:
        out.write(SOURCES_HEADER)
        out.write(''.join('# ' + c + '\n' for c in checks))
        for star in STARS:
            hip = star[3]
            out.write('cross-id\t%s\n' % cross_id[hip])
            out.write('hip_pm\t%s\n' % proper_motion[hip])
            if hip in gcvs:
                out.write('gcvs\t%s\n' % gcvs[hip])
            if hip in bsc_rows:
                out.write('bsc\t%s\n' % bsc_rows[hip])
            name, level, zone, hexa, (ra, dec), parallax = records[hip]
            out.write('record\t%d\t%s\t%d\t%d\t%s\t%.7f\t%.7f\t%.2f\n'
                      % (hip, name, level, zone, hexa, ra, dec, parallax))


CATALOGUE_HEADER = '''\
# The bright eclipsing binaries that the program can predict, one star a line, fields separated by
# " | ". Made by tools/data/extract-eclipsing-binaries.py from:
# - elements, V range and primary eclipse duration D: the O-C gateway's linear elements, valid to
#   July 2018, heliocentric (the "elements" field says where GCVS 5.1's are kept instead);
# - secondary minimum, and the elements kept where the O-C gateway's epoch is coarse: GCVS 5.1,
#   Samus et al. 2017, Astronomy Reports 61, 80, from stellarium-data 0.22.2's gcvs_hip_part.dat;
# - HR, HD and HIP numbers: stellarium-data's cross-id.dat (u Her and HU Tau: SIMBAD);
# - place (ICRS, epoch J2000) and parallax: Hipparcos as stellarium-data 0.22.2's star files hold it
#   (the parallaxes are van Leeuwen 2007's); proper motion: its hip_pm.dat (Algol's there, 2.39 and
#   -1.44 mas/yr, is not SIMBAD's); places checked against the Yale Bright Star Catalogue
#   (Hoffleit & Warren 1991) of Debian's xplanet 1.3.1;
# - Algol's place, motion, parallax, radial velocity and elements: those the program used before
#   this catalogue (sky/algolplace.h, the current elements), to the last digit.
# The raw rows these come from are in eclipsing-binaries-sources.txt.
# Fields: designation | AAVSO name | other names (", ") | HR | HD | HIP | right ascension (deg) |
# declination (deg) | proper motion in RA * cos(dec) (mas/yr) | in declination (mas/yr) |
# parallax (mas) | radial velocity (km/s) | V at maximum | V at primary minimum | V at secondary
# minimum (GCVS's second minimum; "-" where GCVS gives none) | phase of the secondary minimum (0.5
# for a circular orbit; "-" where there is none or it moves: Y Cyg's eccentric orbit turns) | D,
# first to last contact of the primary eclipse (hours) | epoch of a primary minimum | period
# (days) | time scale of the epoch (HJD: heliocentric Julian Day, UTC) | source of the elements |
# note ("-": no value; no source publishes an uncertainty of these elements).
'''

SOURCES_HEADER = '''\
# The source rows that tools/data/extract-eclipsing-binaries.py read to make eclipsing-binaries.txt,
# as it found them in Debian 12's xplanet 1.3.1-3 (/usr/share/xplanet/stars/BSC) and
# stellarium-data 0.22.2-1 (/usr/share/stellarium/stars/default/), so that the catalogue can be
# checked without the packages. Each line starts with its kind and a tab:
#   cross-id, hip_pm, gcvs: the file's line unchanged (tab-separated);
#   bsc: the Bright Star Catalogue's line unchanged;
#   record: HIP, star file, level, zone, the 28-byte record in hex, and what it decodes to: right
#     ascension and declination (deg, J2000) and parallax (mas).
# The decoding's own checks on this run:
'''

if __name__ == '__main__':
    main()
