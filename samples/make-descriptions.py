#!/usr/bin/env python3
"""Writes the fibre descriptions of the sample cable (descriptions/*.json).

The cable NOR-SOU: 12 fibres, 24.62 km, spliced at five closures, tested from
both ends at 1310 and 1550 nm. Fibre 007 has a high-loss splice at the middle
closure; fibre 011 is broken 15.30 km from NOR. Splice losses are drawn with a
fixed seed; each direction sees the true loss plus or minus a directional
difference, as bi-directional measurements do. Run it again only to change the
cable; the descriptions it writes are the checked-in source of the samples.
"""
import json
import os
import random

CABLE_KM = 24.62
CLOSURES_KM = [4.21, 8.47, 12.83, 17.14, 21.36]
FIBRES = 12
HIGH_LOSS_FIBRE = 7
HIGH_LOSS_CLOSURE = 2  # 12.83 km
HIGH_LOSS_DB = 0.92
BROKEN_FIBRE = 11
BREAK_FROM_NOR_KM = 15.30
WAVELENGTHS = {"13": 1310, "15": 1550}
DIRECTIONS = {"NORSOU": ("NOR", "SOU", "2024-05-14"), "SOUNOR": ("SOU", "NOR", "2024-05-15")}

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "descriptions")
rng = random.Random(1310_1550)


def write(path, obj):
    with open(os.path.join(here, path), "w") as f:
        json.dump(obj, f, indent=2)
        f.write("\n")


def splice_losses():
    """True loss per closure and fibre, and the directional difference."""
    table = {}
    for fibre in range(1, FIBRES + 1):
        for c in range(len(CLOSURES_KM)):
            true = round(rng.uniform(0.03, 0.14), 3)
            if fibre == HIGH_LOSS_FIBRE and c == HIGH_LOSS_CLOSURE:
                true = HIGH_LOSS_DB
            table[fibre, c] = (true, round(rng.uniform(-0.04, 0.04), 3))
    return table


def main():
    losses = splice_losses()
    write("shared/cable.json", {
        "comment": "Acquisition and receiver common to every trace of the NOR-SOU cable",
        "resolutionM": 2.0, "pointCount": 16384, "pulseNS": 100, "preampType": 1,
        "indexOfRefraction": 1.4682, "dynamicRangeDB": 30.0, "launchLevelDB": 26.0,
        "noiseFloorDB": 1.5, "noiseSpread": 0.3, "launchReflectanceDB": 0.0,
        "endReflectanceDB": -14.0,
        "header": {"manufacturer": "Varnel", "model": "SIM-1", "opticsModule": "SIM-1 SM",
                   "cableID": "NOR-SOU-12F", "averages": 4096},
    })
    for code, nm in WAVELENGTHS.items():
        atten = 0.33 if nm == 1310 else 0.19
        write(f"shared/{nm}.json", {
            "include": "cable.json", "wavelengthNM": nm,
            "backscatterDB": -79.4 if nm == 1310 else -81.7,
            "sections": [{"lengthKM": CABLE_KM, "attenDBKM": atten}],
        })
    for prefix, (near, far, day) in DIRECTIONS.items():
        from_nor = prefix == "NORSOU"
        for code, nm in WAVELENGTHS.items():
            for fibre in range(1, FIBRES + 1):
                events = []
                length = CABLE_KM
                if fibre == BROKEN_FIBRE:
                    length = BREAK_FROM_NOR_KM if from_nor else CABLE_KM - BREAK_FROM_NOR_KM
                for c, km in enumerate(CLOSURES_KM):
                    true, diff = losses[fibre, c]
                    position = km if from_nor else round(CABLE_KM - km, 3)
                    if position >= length - 0.05:
                        continue
                    events.append({"positionKM": position,
                                   "lossDB": round(true + (diff if from_nor else -diff), 3)})
                events.sort(key=lambda e: e["positionKM"])
                minute = 9 * 60 + 3 * fibre + (0 if code == "13" else 40)
                description = {
                    "include": f"shared/{nm}.json",
                    "seed": int(code) * 1000 + fibre + (0 if from_nor else 500),
                    "events": events,
                    "header": {"fiberNumber": f"{fibre:03d}", "siteA": near, "siteB": far,
                               "dateTime": f"{day} {minute // 60:02d}:{minute % 60:02d}:00"},
                }
                if fibre == BROKEN_FIBRE:
                    atten = 0.33 if nm == 1310 else 0.19
                    description["sections"] = [{"lengthKM": round(length, 3), "attenDBKM": atten}]
                    description["endReflectanceDB"] = -32.0
                write(f"{prefix}{code}.{fibre:03d}.json", description)


main()
