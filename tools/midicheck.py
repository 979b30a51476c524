#!/usr/bin/env python3
"""Loop check for the game's background music.

The game restarts a MIDI file the moment it ends, so every track has to end
on the same tick, that tick has to be a bar line, and no note may still be
sounding at the end. For each file this prints the length in bars and in
seconds (from the tempo map) and exits non-zero if anything is off.

    abc2midi assets/music/Normal.abc -o /tmp/Normal.mid
    python3 tools/midicheck.py /tmp/Normal.mid
"""
import struct
import sys


def read_vlq(data, i):
    value = 0
    while True:
        byte = data[i]
        i += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, i


def read_midi(path):
    """Returns (division, tracks); a track is a list of (tick, status, data)."""
    data = open(path, 'rb').read()
    if data[:4] != b'MThd':
        raise ValueError(f'{path}: not a standard MIDI file')
    division = struct.unpack('>H', data[12:14])[0]
    if division & 0x8000:
        raise ValueError(f'{path}: SMPTE time division is not supported')
    tracks, i = [], 8 + struct.unpack('>I', data[4:8])[0]
    while i + 8 <= len(data):
        tag = data[i:i + 4]
        length = struct.unpack('>I', data[i + 4:i + 8])[0]
        chunk, i = data[i + 8:i + 8 + length], i + 8 + length
        if tag != b'MTrk':
            continue
        events, j, tick, running = [], 0, 0, 0
        while j < len(chunk):
            delta, j = read_vlq(chunk, j)
            tick += delta
            status = chunk[j]
            if status == 0xFF:                      # meta event
                kind = chunk[j + 1]
                size, k = read_vlq(chunk, j + 2)
                events.append((tick, 0xFF, bytes([kind]) + chunk[k:k + size]))
                j = k + size
            elif status in (0xF0, 0xF7):            # sysex
                size, k = read_vlq(chunk, j + 1)
                j = k + size
            else:                                   # channel event
                if status & 0x80:
                    running = status
                    j += 1
                size = 1 if running & 0xF0 in (0xC0, 0xD0) else 2
                events.append((tick, running, chunk[j:j + size]))
                j += size
        tracks.append(events)
    return division, tracks


def check(path):
    division, tracks = read_midi(path)
    tempo_map, meter = [], (4, 4)
    for tick, status, data in tracks[0]:
        if status == 0xFF and data[0] == 0x51:
            tempo_map.append((tick, int.from_bytes(data[1:4], 'big')))
        elif status == 0xFF and data[0] == 0x58 and tick == 0:
            meter = (data[1], 2 ** data[2])
    bar = division * 4 * meter[0] // meter[1]

    problems, ends = [], []
    for n, events in enumerate(tracks):
        eot = [tick for tick, status, data in events
               if status == 0xFF and data[0] == 0x2F]
        if not eot:
            problems.append(f'track {n} has no end-of-track event')
            continue
        ends.append(eot[-1])
        sounding = set()
        for tick, status, data in events:
            kind, channel = status & 0xF0, status & 0x0F
            if kind == 0x90 and data[1] > 0:
                sounding.add((channel, data[0]))
            elif kind == 0x80 or kind == 0x90:
                sounding.discard((channel, data[0]))
        if sounding:
            problems.append(f'track {n}: {len(sounding)} note(s) still on at the end')
    end = max(ends) if ends else 0
    for n, tick in enumerate(ends):
        if tick != end:
            problems.append(f'track {n} ends at tick {tick}, not {end}')
    if end % bar:
        problems.append(f'end tick {end} is not on a bar line ({bar} ticks per bar)')

    seconds, last_tick, us_per_quarter = 0.0, 0, 500000
    for tick, tempo in sorted(tempo_map):
        tick = min(tick, end)
        seconds += (tick - last_tick) * us_per_quarter / 1e6 / division
        last_tick, us_per_quarter = tick, tempo
    seconds += (end - last_tick) * us_per_quarter / 1e6 / division
    bpm = 60e6 / (tempo_map[0][1] if tempo_map else 500000)

    print(f'{path}: {len(tracks)} tracks, {meter[0]}/{meter[1]} at {bpm:.0f} bpm, '
          f'{end / bar:g} bars, {seconds:.2f} s')
    for problem in problems:
        print(f'  PROBLEM: {problem}')
    return not problems


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    results = [check(path) for path in sys.argv[1:]]
    sys.exit(0 if all(results) else 1)


if __name__ == '__main__':
    main()
