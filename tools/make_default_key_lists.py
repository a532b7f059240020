#!/usr/bin/env python3
"""Writes the default key-binding lists installed beside the program (data/kb_act/<mod>/kb_act.lst).

The program copies one of these into a mod's gfx/shell folder when the mod has no list of its own.
Each row pairs a console command of the game with the caption the Controls menu shows; "blank" rows
title a section. Captions are plain English so that every mod shows them without a translation file.

Run from anywhere: python3 tools/make_default_key_lists.py
"""

from pathlib import Path

CAPTION_COLUMN = 24
RULE = "=" * 25

MOVEMENT = [
    ("+forward", "Move Forward"),
    ("+back", "Move Back"),
    ("+left", "Turn Left"),
    ("+right", "Turn Right"),
    ("+moveleft", "Strafe Left"),
    ("+moveright", "Strafe Right"),
    ("+jump", "Jump"),
    ("+duck", "Crouch"),
    ("+moveup", "Swim Up"),
    ("+movedown", "Swim Down"),
    ("+lookup", "Look Up"),
    ("+lookdown", "Look Down"),
    ("centerview", "Look Straight Ahead"),
    ("+strafe", "Strafe Modifier"),
    ("+mlook", "Mouse Look Modifier"),
    ("+klook", "Keyboard Look Modifier"),
]
WALK = [("+speed", "Walk")]
CHAT = [
    ("+voicerecord", "Use Voice Communication"),
    ("messagemode", "Chat Message"),
    ("messagemode2", "Team Message"),
]
WEAPON_CYCLE = [
    ("invprev", "Previous Weapon"),
    ("invnext", "Next Weapon"),
    ("lastinv", "Last Weapon Used"),
]


def weapon_slots(count):
    return [(f"slot{n}", f"Weapon Category {n}") for n in range(1, count + 1)]


def menu_items():
    return [(f"slot{n}", f"Menu Item {n}") for n in range(1, 10)] + [("slot10", "Menu Item 0")]


COUNTER_STRIKE = {
    "Movement": MOVEMENT + WALK,
    "Communication": [
        ("+voicerecord", "Use Voice Communication"),
        ("radio1", "Standard Radio Messages"),
        ("radio2", "Group Radio Messages"),
        ("radio3", "Report Radio Messages"),
        ("+commandmenu", "Command Menu"),
        ("messagemode", "Chat Message"),
        ("messagemode2", "Team Message"),
    ],
    "Menus": [
        ("buy", "Buy Menu"),
        ("buyammo1", "Buy Primary Ammo"),
        ("buyammo2", "Buy Secondary Ammo"),
        ("buyequip", "Buy Equipment"),
        ("autobuy", "Auto Buy"),
        ("rebuy", "Rebuy Last Purchase"),
        ("chooseteam", "Select Team"),
        ("showbriefing", "Mission Briefing"),
        ("+showscores", "Show Scores"),
    ]
    + menu_items(),
    "Combat": [
        ("+attack", "Fire"),
        ("+attack2", "Weapon Special Function"),
        ("+reload", "Reload Weapon"),
    ]
    + WEAPON_CYCLE
    + [
        ("nightvision", "Night Vision"),
        ("drop", "Drop Weapon"),
    ],
    "Miscellaneous": [
        ("+use", "Use Items"),
        ("impulse 100", "Flashlight"),
        ("impulse 201", "Spray Logo"),
        ("snapshot", "Take Screenshot"),
        ("quit", "Quit Game"),
    ],
}

CONDITION_ZERO = dict(COUNTER_STRIKE)
CONDITION_ZERO["Miscellaneous"] = [("tutor_toggle", "Toggle Tutor")] + COUNTER_STRIKE["Miscellaneous"]

SINGLE_PLAYER_MISC = [
    ("+showscores", "Show Scores"),
    ("snapshot", "Take Screenshot"),
    ("save quick", "Quick Save"),
    ("load quick", "Quick Load"),
    ("pause", "Pause Game"),
    ("quit", "Quit Game"),
]

LISTS = {
    "cstrike": COUNTER_STRIKE,
    "czero": CONDITION_ZERO,
    "czeror": {
        "Movement": MOVEMENT + WALK + [("+use", "Use Items")],
        "Combat": [
            ("+attack", "Fire"),
            ("+attack2", "Weapon Special Function"),
            ("+reload", "Reload Weapon"),
        ]
        + weapon_slots(5)
        + WEAPON_CYCLE
        + [
            ("nightvision", "Night Vision"),
            ("impulse 100", "Flashlight"),
        ],
        "Miscellaneous": SINGLE_PLAYER_MISC,
    },
    "dod": {
        "Movement": MOVEMENT
        + [
            ("+speed", "Sprint"),
            ("prone", "Go Prone"),
        ],
        "Communication": CHAT
        + [
            ("+commandmenu", "Command Menu"),
            ("voice_menu1", "Voice Commands 1"),
            ("voice_menu2", "Voice Commands 2"),
            ("voice_menu3", "Voice Commands 3"),
        ],
        "Menus": [
            ("changeteam", "Change Team"),
            ("changeclass", "Change Class"),
            ("+showscores", "Show Scores"),
            ("+mapzoom", "Zoom Map"),
        ],
        "Combat": [
            ("+attack", "Primary Attack"),
            ("+attack2", "Secondary Attack"),
            ("+reload", "Reload Weapon"),
        ]
        + weapon_slots(5)
        + WEAPON_CYCLE
        + [
            ("+use", "Use / Pick Up Grenades"),
            ("drop", "Drop Weapon"),
            ("dropammo", "Drop Ammo"),
            ("dropobject", "Drop Objective Item"),
        ],
        "Miscellaneous": [
            ("impulse 201", "Spray Logo"),
            ("snapshot", "Take Screenshot"),
            ("quit", "Quit Game"),
        ],
    },
    "dmc": {
        "Movement": MOVEMENT + WALK,
        "Communication": CHAT,
        "Combat": [
            ("+attack", "Fire"),
            ("impulse 1", "Axe"),
            ("impulse 2", "Shotgun"),
            ("impulse 3", "Double-Barrelled Shotgun"),
            ("impulse 4", "Nailgun"),
            ("impulse 5", "Super Nailgun"),
            ("impulse 6", "Grenade Launcher"),
            ("impulse 7", "Rocket Launcher"),
            ("impulse 8", "Thunderbolt"),
            ("impulse 10", "Next Weapon"),
            ("impulse 12", "Previous Weapon"),
        ],
        "Miscellaneous": [
            ("+showscores", "Show Scores"),
            ("impulse 201", "Spray Logo"),
            ("snapshot", "Take Screenshot"),
            ("quit", "Quit Game"),
        ],
    },
    "valve": {
        "Movement": MOVEMENT + WALK + [("+use", "Use Items")],
        "Communication": CHAT,
        "Combat": [
            ("+attack", "Primary Attack"),
            ("+attack2", "Secondary Attack"),
            ("+reload", "Reload Weapon"),
            ("impulse 100", "Flashlight"),
            ("impulse 201", "Spray Logo"),
        ]
        + weapon_slots(5)
        + WEAPON_CYCLE,
        "Miscellaneous": SINGLE_PLAYER_MISC,
    },
    "gearbox": {
        "Movement": MOVEMENT + WALK + [("+use", "Use Items")],
        "Communication": CHAT,
        "Combat": [
            ("+attack", "Primary Attack"),
            ("+attack2", "Secondary Attack"),
            ("+reload", "Reload Weapon"),
            ("impulse 100", "Night Vision Goggles"),
            ("impulse 201", "Spray Logo"),
        ]
        + weapon_slots(7)
        + WEAPON_CYCLE,
        "Capture the Flag": [
            ("changeteam", "Change Team"),
            ("changeclass", "Change Character"),
            ("impulse 205", "Drop Powerup"),
            ("flaginfo", "Flag Status"),
        ],
        "Miscellaneous": SINGLE_PLAYER_MISC,
    },
    "tfc": {
        "Movement": MOVEMENT + WALK + [("+use", "Use Items")],
        "Communication": CHAT + [("+commandmenu", "Command Menu")],
        "Team Fortress": [
            ("changeteam", "Change Team"),
            ("changeclass", "Change Class"),
            ("+attack2", "Special Skill"),
            ("+reload", "Reload Weapon"),
            ("+gren1", "Throw Primary Grenade"),
            ("+gren2", "Throw Secondary Grenade"),
            ("dropitems", "Drop Flag"),
            ("flaginfo", "Flag Status"),
            ("discard", "Discard Unneeded Ammo"),
            ("saveme", "Call for Medic"),
            ("+det5", "Set Detpack"),
            ("feign", "Feign Death"),
            ("sfeign", "Feign Death Silently"),
        ],
        "Combat": [("+attack", "Primary Attack")] + weapon_slots(5) + WEAPON_CYCLE,
        "Miscellaneous": [
            ("+showscores", "Show Scores"),
            ("impulse 201", "Spray Logo"),
            ("snapshot", "Take Screenshot"),
            ("quit", "Quit Game"),
        ],
    },
}


def row(command, caption):
    quoted = f'"{command}"'
    padding = " " * max(2, CAPTION_COLUMN - len(quoted))
    return f'{quoted}{padding}"{caption}"\r\n'


def list_text(sections):
    rows = []
    for title, bindings in sections.items():
        rows += [row("blank", RULE), row("blank", title), row("blank", RULE)]
        rows += [row(command, caption) for command, caption in bindings]
    return "".join(rows)


def main():
    data = Path(__file__).resolve().parent.parent / "data" / "kb_act"
    for mod, sections in LISTS.items():
        target = data / mod / "kb_act.lst"
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(list_text(sections).encode("ascii"))


if __name__ == "__main__":
    main()
