#!/usr/bin/env python3
"""Writes the truth files of real recordings whose beats are known apart from our analysis.

The beats come from what made the music, never from listening to it:
  song      the chart's MIDI tempo map and time signature (plus song.ini's delay) of a game song;
  loop      a sample loop's length, a whole number of beats;
  module    a tracker module's speed and tempo, which fix every row's time;
  beatless  no beat at all (ambient pads, recorded speech).
Each grid is then checked against the audio with aubioonset (aubio-tools), an onset detector
that knows nothing of the grid, and the figures go into the file's header.

Standard library only; needs ffmpeg and aubioonset at derivation time (never at test time).
Running it twice writes the same files.

    tools/recorded_beats/derive_truth.py [OUTPUT_FOLDER]
"""

import glob
import os
import statistics
import struct
import subprocess
import sys
import tempfile

RATE = 44100
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "renderer",
                      "analysis", "recorded_beats")
SONGS = "/usr/share/games/fretsonfire/data/songs"
SAMPLES = "/usr/share/sonic-pi/samples"
MODULES = "/usr/share/games/pingus/data/music"
SPEECH = "/usr/share/sounds/alsa"
ONSET_COMMAND = ["aubioonset", "-O", "hfc"]
# A song whose grid sits further than this from its audio's onsets is corrected or left out.
MAX_MEDIAN_OFFSET = 0.015
# An onset counts as on a beat when it is this close to it.
WINDOW = 0.030
# aubioonset's own lead or lag on loops, whose beats are exact: within this, a fitted offset is
# the detector's and the grid is left as it is.
DETECTOR_BIAS = 0.005
SPREAD_WINDOW = 20


# ---------------------------------------------------------------- audio and onsets

def run(arguments):
    subprocess.run(arguments, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def ffmpeg_wav(inputs, filter_graph, wav, seconds=None):
    """44.1 kHz stereo 16-bit WAV, the form the tests load."""
    arguments = ["ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y"]
    for path in inputs:
        arguments += ["-i", path]
    if filter_graph:
        arguments += ["-filter_complex", filter_graph]
    if seconds is not None:
        arguments += ["-t", "%.3f" % seconds]
    arguments += ["-ar", str(RATE), "-ac", "2", "-c:a", "pcm_s16le", wav]
    run(arguments)


def song_mix_graph(count):
    # The stems summed as recorded (no loudness normalisation), halved against clipping.
    if count == 1:
        return None
    labels = "".join("[%d:a]" % i for i in range(count))
    return labels + "amix=inputs=%d:duration=longest:normalize=0,volume=0.5" % count


def onsets(wav):
    out = subprocess.run(ONSET_COMMAND + ["-i", wav], check=True, capture_output=True,
                         text=True).stdout
    return [float(line) for line in out.split()]


def check(beats, detected, beat_seconds):
    """Median signed offset (onset minus beat) of the onsets near a beat, and the share of beats
    with an onset within WINDOW. Onsets further than a quarter beat from any beat (off-beat notes)
    are left out of the median."""
    if not beats:
        return None, 0.0
    offsets = []
    j = 0
    for onset in detected:
        while j + 1 < len(beats) and abs(beats[j + 1] - onset) <= abs(beats[j] - onset):
            j += 1
        if abs(onset - beats[j]) <= min(0.06, beat_seconds / 4):
            offsets.append(onset - beats[j])
    hit = 0
    k = 0
    for beat in beats:
        while k + 1 < len(detected) and abs(detected[k + 1] - beat) <= abs(detected[k] - beat):
            k += 1
        if detected and abs(detected[k] - beat) <= WINDOW:
            hit += 1
    median = statistics.median(offsets) if offsets else None
    return median, hit / len(beats)


def bar_phase(wav, beats, bars, beats_per_bar):
    """The check of the bar lines, apart from the chart: the low band (kick drum, bass) right after
    each beat, averaged per position in the bar. Returns the strongest position (0 = the bar line)
    and how much the bar line's exceeds the mean of the other positions."""
    rate = 4410
    raw = subprocess.run(["ffmpeg", "-nostdin", "-loglevel", "error", "-i", wav, "-af",
                          "lowpass=f=150,lowpass=f=150", "-ac", "1", "-ar", str(rate), "-f",
                          "s16le", "-"], check=True, capture_output=True).stdout
    signal = struct.unpack("<%dh" % (len(raw) // 2), raw)
    sums, counts = [0.0] * beats_per_bar, [0] * beats_per_bar
    for index, beat in enumerate(beats):
        start = int(beat * rate)
        window = signal[start:start + int(0.08 * rate)]
        if not window:
            continue
        position = (index - bars[0]) % beats_per_bar
        sums[position] += sum(v * v for v in window) / len(window)
        counts[position] += 1
    means = [total / count if count else 0.0 for total, count in zip(sums, counts)]
    others = [m for k, m in enumerate(means) if k != 0]
    ratio = means[0] / (sum(others) / len(others)) if others and sum(others) else 0.0
    return max(range(beats_per_bar), key=lambda k: means[k]), ratio


# The bar lines count as confirmed when the bar line's beat carries clearly the most low band.
# Music with a kick on every beat cannot confirm them this way; they are then the chart's or the
# module's own, unconfirmed.
BAR_CONFIRM_RATIO = 1.2


def bars_confirmed(position, ratio):
    return "yes" if position == 0 and ratio >= BAR_CONFIRM_RATIO else "no"


def bar_line(position, ratio):
    return "low band (below 150 Hz) in the 80 ms after each beat: strongest at bar position %d " \
        "(0 = the bar line), the bar line's %.2f times the other positions' mean (confirmed from " \
        "%.1f times at position 0)" % (position, ratio, BAR_CONFIRM_RATIO)


def fit_offset(beats, detected, beat_seconds):
    """The one constant shift that centres the onsets near the beats on them: the median signed
    offset, taken again after each shift until it settles."""
    offset = 0.0
    for _ in range(6):
        median, _ = check([beat + offset for beat in beats], detected, beat_seconds)
        if median is None:
            break
        offset += median
    return round(offset, 4)


def window_spread(beats, detected, beat_seconds):
    """The lowest and highest median offset over consecutive windows of SPREAD_WINDOW seconds,
    leaving out windows where under a quarter of the beats have an onset (silence, an outro's
    ringing chord): a grid that is right on average but wanders shows here."""
    low, high = 0.0, 0.0
    start = 0.0
    while beats and start < beats[-1]:
        part = [b for b in beats if start <= b < start + SPREAD_WINDOW]
        start += SPREAD_WINDOW
        if len(part) < 8:
            continue
        near = [o for o in detected if part[0] - 0.1 < o < part[-1] + 0.1]
        median, share = check(part, near, beat_seconds)
        if median is None or share < 0.25:
            continue
        low, high = min(low, median), max(high, median)
    return low, high


def checked_line(median, share, command):
    median_text = "none" if median is None else "%+.1f ms" % (median * 1000)
    return "median onset offset %s, %.0f %% of beats with an onset within %d ms (%s)" % (
        median_text, share * 100, WINDOW * 1000, command)


def duration(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration", "-of",
                          "csv=p=0", path], check=True, capture_output=True, text=True).stdout
    return float(out)


def package_of(path):
    out = subprocess.run(["dpkg", "-S", path], check=True, capture_output=True, text=True).stdout
    return out.split(":")[0]


# ---------------------------------------------------------------- truth files

def write_truth(folder, name, header, beats, bars, extra_comments=()):
    lines = ["# %s: %s" % (key, value) for key, value in header]
    lines += ["# " + comment for comment in extra_comments]
    bar_set = set(bars)
    for index, beat in enumerate(beats):
        lines.append("%.4f%s" % (beat, " bar" if index in bar_set else ""))
    with open(os.path.join(folder, name + ".txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


def tempo_text(tempos):
    low, high = min(tempos), max(tempos)
    if high - low < 1e-6:
        return "%.3f constant" % low
    return "%.3f..%.3f changing" % (low, high)


# ---------------------------------------------------------------- songs: the chart's tempo map

def read_variable(data, i):
    value = 0
    while True:
        byte = data[i]
        i += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, i


def midi_tempo_map(path):
    """(ticks per quarter, [(tick, microseconds per quarter)], [(tick, numerator, denominator)],
    last tick) from a standard MIDI file."""
    data = open(path, "rb").read()
    if data[:4] != b"MThd":
        raise ValueError(path + ": not a MIDI file")
    header_length = struct.unpack(">I", data[4:8])[0]
    _, tracks, division = struct.unpack(">HHH", data[8:14])
    if division & 0x8000:
        raise ValueError(path + ": SMPTE time division")
    tempos, signatures, last = [], [], 0
    p = 8 + header_length
    for _ in range(tracks):
        length = struct.unpack(">I", data[p + 4:p + 8])[0]
        track = data[p + 8:p + 8 + length]
        p += 8 + length
        i, tick, status = 0, 0, 0
        while i < len(track):
            delta, i = read_variable(track, i)
            tick += delta
            byte = track[i]
            if byte == 0xFF:
                kind = track[i + 1]
                size, i = read_variable(track, i + 2)
                body = track[i:i + size]
                i += size
                if kind == 0x51:
                    tempos.append((tick, (body[0] << 16) | (body[1] << 8) | body[2]))
                elif kind == 0x58:
                    signatures.append((tick, body[0], 2 ** body[1]))
            elif byte in (0xF0, 0xF7):
                size, i = read_variable(track, i + 1)
                i += size
            else:
                if byte & 0x80:
                    status = byte
                    i += 1
                i += 1 if (status & 0xF0) in (0xC0, 0xD0) else 2
            last = max(last, tick)
    tempos.sort()
    signatures.sort()
    # Repeated tempo events at one tick: the last one counts.
    unique = {}
    for tick, value in tempos:
        unique[tick] = value
    tempos = sorted(unique.items()) or [(0, 500000)]
    if tempos[0][0] != 0:
        tempos.insert(0, (0, 500000))
    return division, tempos, signatures, last


def tick_seconds(tick, division, tempos):
    seconds, previous_tick, previous_tempo = 0.0, 0, tempos[0][1]
    for change_tick, tempo in tempos:
        if change_tick > tick:
            break
        seconds += (change_tick - previous_tick) * previous_tempo / 1e6 / division
        previous_tick, previous_tempo = change_tick, tempo
    return seconds + (tick - previous_tick) * previous_tempo / 1e6 / division


def song_ini_delay(path):
    for line in open(path, encoding="utf-8", errors="replace"):
        key, _, value = line.partition("=")
        if key.strip().lower() == "delay" and value.strip():
            return float(value) / 1000.0
    return 0.0


def chart_grid(folder, audio_seconds):
    """Beats and bar lines of a song's chart, in seconds of its audio.

    The beat is the time signature's denominator note (a quarter note in 4/4, which is every
    signature these charts hold; 4/4 when the chart states none). Bar lines every numerator beats
    from the signature's tick. song.ini's delay (ms) is how late the audio is against the chart:
    the chart's tick 0 plays delay into the audio."""
    division, tempos, signatures, last = midi_tempo_map(os.path.join(folder, "notes.mid"))
    delay = song_ini_delay(os.path.join(folder, "song.ini"))
    if not signatures:
        signatures = [(0, 4, 4)]
    if signatures[0][0] != 0:
        signatures.insert(0, (0, 4, 4))
    beats, bars, tempos_bpm = [], [], []
    for index, (start, numerator, denominator) in enumerate(signatures):
        end = signatures[index + 1][0] if index + 1 < len(signatures) else None
        step = division * 4 // denominator
        tick, count = start, 0
        while end is None or tick < end:
            seconds = tick_seconds(tick, division, tempos) + delay
            if seconds >= audio_seconds:
                break
            if seconds >= 0:
                if count % numerator == 0:
                    bars.append(len(beats))
                beats.append(seconds)
            tick += step
            count += 1
        if end is None:
            break
    for tick, tempo in tempos:
        if tick_seconds(tick, division, tempos) + delay < audio_seconds:
            tempos_bpm.append(60e6 / tempo * denominator / 4)
    per_bar = sorted({numerator for _, numerator, _ in signatures})
    return beats, bars, tempos_bpm, per_bar, delay, signatures, division


def derive_songs(folder, work):
    rows = []
    for song in sorted(glob.glob(os.path.join(SONGS, "*", "*", "notes.mid"))):
        directory = os.path.dirname(song)
        stems = sorted(glob.glob(os.path.join(directory, "*.ogg")))
        stems.sort(key=lambda path: os.path.basename(path) != "song.ogg")
        name = "fof_" + os.path.basename(directory).lower().replace(" ", "_")
        audio_seconds = min(duration(stem) for stem in stems)
        beats, bars, tempos, per_bar, delay, signatures, division = chart_grid(directory,
                                                                               audio_seconds)
        wav = os.path.join(work, name + ".wav")
        ffmpeg_wav(stems, song_mix_graph(len(stems)), wav)
        detected = onsets(wav)
        beat_seconds = 60.0 / max(tempos)
        raw_median, raw_share = check(beats, detected, beat_seconds)
        # The delay's sign, tested: the grid shifted the other way must fit worse.
        flipped = [beat - 2 * delay for beat in beats]
        _, flipped_share = check(flipped, detected, beat_seconds)
        offset = fit_offset(beats, detected, beat_seconds)
        corrected = abs(offset) > DETECTOR_BIAS
        if corrected:
            beats = [beat + offset for beat in beats]
            while beats and beats[0] < 0:
                beats.pop(0)
                bars = [b - 1 for b in bars if b > 0]
            while beats and beats[-1] >= audio_seconds:
                beats.pop()
            bars = [b for b in bars if b < len(beats)]
        median, share = check(beats, detected, beat_seconds)
        low, high = window_spread(beats, detected, beat_seconds)
        position, ratio = bar_phase(wav, beats, bars, per_bar[0])
        comments = [
            "grid: MIDI notes.mid, %d ticks per quarter, tempo map %s, time signature %s, "
            "song.ini delay %+.0f ms (chart tick 0 at that audio time)" % (
                division, ", ".join("%.3f BPM" % t for t in tempos),
                ", ".join("%d/%d at tick %d" % (n, d, t) for t, n, d in signatures), delay * 1000),
            "audio: every stem mixed, ffmpeg amix normalize=0 then volume 0.5",
            "chart grid as written: median onset offset %+.1f ms, %.0f %% of beats with an onset "
            "within %d ms" % (raw_median * 1000, raw_share * 100, WINDOW * 1000),
            ("corrected: the grid moved %+.1f ms (one constant offset, fitted as the median "
             "onset offset)" % (offset * 1000)) if corrected else
            "not corrected: the fitted offset %+.1f ms is within the detector's own %.0f ms" % (
                offset * 1000, DETECTOR_BIAS * 1000),
            "steadiness: the medians of %d-s windows lie from %+.1f to %+.1f ms" % (
                SPREAD_WINDOW, low * 1000, high * 1000),
            "bar lines: " + bar_line(position, ratio),
        ]
        excluded = None
        if median is None or abs(median) > MAX_MEDIAN_OFFSET:
            excluded = "grid off its audio"
        elif max(-low, high) > MAX_MEDIAN_OFFSET:
            excluded = "the audio's beat wanders off the chart's grid"
        if delay != 0 and flipped_share > raw_share:
            excluded = "delay sign contradicted by the onsets"
        rows.append((name, "song", tempo_text(tempos), "/".join(map(str, per_bar)), median, share,
                     excluded, offset if corrected else 0.0, (low, high), (position, ratio)))
        if excluded:
            continue
        header = [("source", " + ".join(stems)), ("package", package_of(stems[0])),
                  ("kind", "song"), ("tempo", tempo_text(tempos)),
                  ("beats per bar", "/".join(map(str, per_bar))),
                  ("length", "%.6f" % audio_seconds),
                  ("checked", checked_line(median, share, " ".join(ONSET_COMMAND))),
                  ("bars confirmed", bars_confirmed(position, ratio))]
        write_truth(folder, name, header, beats, bars, comments)
    return rows


# ---------------------------------------------------------------- loops: whole numbers of beats

# Beats in one pass of each loop, chosen so the tempo is a drummer's (about 80..160 BPM) and, for
# loops named after a tempo, the named one. Every loop is tried; those whose onsets do not bear
# the grid out are left out (the derivation prints why), among them the ones that are no drums.
LOOP_BEATS = {
    "loop_amen": 4,          # 136.9 BPM; the classic one-bar break
    "loop_amen_full": 16,    # 140.0 BPM; four bars
    "loop_breakbeat": 4,     # 126.0 BPM
    "loop_compus": 16,       # 148.0 BPM (8 would be 74.0: plausible, less so)
    "loop_electric": 4,      # 97.0 BPM
    "loop_garzul": 16,       # 120.0 BPM
    "loop_industrial": 2,    # 135.8 BPM; half a bar, so the bar line falls every second pass
    "loop_mehackit1": 4,     # 97.0 BPM
    "loop_mehackit2": 4,     # 97.0 BPM
    "loop_mika": 16,         # 120.0 BPM
    "loop_perc1": 4,         # 97.0 BPM
    "loop_perc2": 4,         # 97.0 BPM
    "loop_safari": 16,       # 119.9 BPM
    "loop_tabla": 16,        # 89.9 BPM (32 would be 179.9: the strokes fall on eighths of 89.9)
    "loop_weirdo": 8,        # 97.0 BPM
    "loop_3d_printer": 16,   # 120.6 BPM if it were a beat: a machine's hum, one onset
    "loop_drone_g_97": 8,    # 97.0 BPM by its name; a drone, three onsets
}
TILED_SECONDS = 60.0
# A loop's grid is exact by construction; a loop is kept only where its onsets say the chosen
# number of beats is its pulse, and its notes sit on that grid rather than merely start on it.
LOOP_MIN_SHARE = 0.7
LOOP_MAX_MEDIAN = 0.010
LOOP_MAX_FIRST_ONSET = 0.010


def samples_in(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries",
                          "stream=duration_ts,sample_rate", "-of", "csv=p=0", path], check=True,
                         capture_output=True, text=True).stdout.strip().split(",")
    return int(out[1]), int(out[0])


def derive_loops(folder, work):
    rows = []
    for name, loop_beats in sorted(LOOP_BEATS.items()):
        path = os.path.join(SAMPLES, name + ".flac")
        count, rate = samples_in(path)
        length = count / rate
        tempo = loop_beats * 60.0 / length
        beat = length / loop_beats
        wav = os.path.join(work, name + ".wav")
        passes = int(TILED_SECONDS / length) + 1
        ffmpeg_wav([path], "[0:a]aloop=loop=%d:size=%d" % (passes - 1, count), wav)
        detected = onsets(wav)
        beats = [i * beat for i in range(passes * loop_beats)]
        median, share = check(beats, detected, beat)
        first = min((abs(o) for o in detected), default=None)
        excluded = None
        if median is None or share < LOOP_MIN_SHARE:
            excluded = "the onsets do not confirm the pulse"
        elif abs(median) > LOOP_MAX_MEDIAN:
            excluded = "the loop's notes run off its length's grid"
        elif first is None or first > LOOP_MAX_FIRST_ONSET:
            excluded = "no onset on its first beat (%.1f ms in), so the bar line is not shown" % (
                first * 1000)
        rows.append((name, "loop", "%.3f constant" % tempo, "4", median, share, excluded, 0.0,
                     None, None))
        if excluded:
            continue
        header = [("source", path), ("package", package_of(path)), ("kind", "loop"),
                  ("tempo", "%.3f constant" % tempo), ("beats per bar", "4"),
                  ("loop beats", str(loop_beats)), ("length", "%.6f" % length),
                  ("loop frames", str(count)),
                  ("checked", checked_line(median, share, " ".join(ONSET_COMMAND)) +
                   ", on the loop tiled %d times; first onset %.1f ms from the loop start" % (
                       passes, first * 1000)),
                  ("bars confirmed", "yes (the loop's first sample)")]
        comments = ["one pass at %d Hz; the loader tiles it and its beats, bar lines every 4 beats "
                    "from the first sample across passes" % rate]
        write_truth(folder, name, header, [i * beat for i in range(loop_beats)],
                    [i for i in range(loop_beats) if i % 4 == 0], comments)
    return rows


# ---------------------------------------------------------------- modules: rows at a fixed time

def read_it(path):
    """The IT header's initial speed and tempo, its rows-per-beat and rows-per-measure highlight,
    the order list, and per pattern its row count and (row, command letter, value) effects."""
    data = open(path, "rb").read()
    if data[:4] != b"IMPM":
        raise ValueError(path + ": not an IT module")
    orders_count, instruments, samples, patterns = struct.unpack("<HHHH", data[0x20:0x28])
    module = {"rows per beat": data[0x1E], "rows per measure": data[0x1F],
              "speed": data[0x32], "tempo": data[0x33],
              "orders": list(data[0xC0:0xC0 + orders_count]), "patterns": {}}
    at = 0xC0 + orders_count + 4 * instruments + 4 * samples
    offsets = struct.unpack("<%dI" % patterns, data[at:at + 4 * patterns])
    for number, offset in enumerate(offsets):
        if offset == 0:
            module["patterns"][number] = (64, [])
            continue
        length, rows = struct.unpack("<HH", data[offset:offset + 4])
        i, end, row = offset + 8, offset + 8 + length, 0
        masks, commands, effects = [0] * 64, [(0, 0)] * 64, []
        while i < end and row < rows:
            variable = data[i]
            i += 1
            if variable == 0:
                row += 1
                continue
            channel = (variable - 1) & 63
            if variable & 0x80:
                masks[channel] = data[i]
                i += 1
            mask = masks[channel]
            i += (mask & 1) + ((mask >> 1) & 1) + ((mask >> 2) & 1)
            if mask & 8:
                commands[channel] = (data[i], data[i + 1])
                i += 2
            if mask & (8 | 128) and commands[channel][0]:
                effects.append((row, chr(64 + commands[channel][0]), commands[channel][1]))
        module["patterns"][number] = (rows, effects)
    return module


def played_rows(module):
    """The rows as played once from order 0: pattern breaks (C) end a pattern early, position
    jumps (B) move on, and the song ends at the end marker or when it would play an order again.
    Returns [(order, pattern, row, effects of the row)] and why playback is not exactly timed, if
    it is not."""
    orders, patterns = module["orders"], module["patterns"]
    rows, seen, position, start_row, problem = [], set(), 0, 0, None
    while position < len(orders) and orders[position] != 255 and position not in seen:
        seen.add(position)
        pattern = orders[position]
        if pattern == 254:
            position += 1
            continue
        count, effects = patterns[pattern]
        by_row = {}
        for row, letter, value in effects:
            by_row.setdefault(row, []).append((letter, value))
        next_position, next_row = position + 1, 0
        for row in range(start_row, count):
            here = by_row.get(row, [])
            rows.append((position, pattern, row, here))
            jump = [v for l, v in here if l == "B"]
            brk = [v for l, v in here if l == "C"]
            for letter, value in here:
                if letter == "S" and value >> 4 in (0x6, 0xB, 0xE):
                    problem = problem or "fine pattern delay, loop or row delay (S%X)" % (value >> 4)
            if jump or brk:
                next_position = jump[-1] if jump else position + 1
                next_row = brk[-1] if brk else 0
                break
        position, start_row = next_position, next_row
    return rows, problem


MODULE_NAMES = ["goin_march", "pingus-3"]


def derive_modules(folder, work):
    rows_out = []
    for path in sorted(glob.glob(os.path.join(MODULES, "*.it"))):
        name = os.path.splitext(os.path.basename(path))[0]
        module = read_it(path)
        played, problem = played_rows(module)
        speed, tempo = module["speed"], module["tempo"]
        speeds, tempos = set(), set()
        times, now, first_row_differs, states = [], 0.0, False, []
        for index, (_, _, _, effects) in enumerate(played):
            for letter, value in effects:
                if letter == "A" and value:
                    speed = value
                elif letter == "T":
                    if value < 0x20:
                        problem = problem or "tempo slides (T%02X)" % value
                    else:
                        tempo = value
            # A module that sets its speed and tempo on its second row (as some do) is timed by
            # those from there on: its first beat is left out, the rest keep one tempo.
            if index == 0 and len(played) > 1:
                first = (speed, tempo)
            elif index == 1:
                first_row_differs = first != (speed, tempo)
            states.append((speed, tempo))
            times.append(now)
            now += 2.5 / tempo * speed
        for speed, tempo in states[1 if first_row_differs else 0:]:
            speeds.add(speed)
            tempos.add(tempo)
        rows_per_beat = module["rows per beat"]
        rows_per_bar = module["rows per measure"]
        beats_per_bar = rows_per_bar // rows_per_beat if rows_per_beat else 0
        bpm = sorted(60.0 / (2.5 / t * s * rows_per_beat) for s in speeds for t in tempos) \
            if rows_per_beat else [0.0]
        wav = os.path.join(work, name + ".wav")
        ffmpeg_wav([path], None, wav)
        length = duration(wav)
        beat_rows = [i for i in range(rows_per_beat if first_row_differs else 0, len(times),
                                      rows_per_beat) if times[i] < length] if rows_per_beat else []
        beats = [times[i] for i in beat_rows]
        bars = [k for k, i in enumerate(beat_rows) if i % rows_per_bar == 0]
        detected = onsets(wav)
        median, share = check(beats, detected, 60.0 / bpm[-1]) if beats else (None, 0.0)
        excluded = None
        if len(speeds) > 1 or len(tempos) > 1:
            excluded = "speed or tempo changes after the first row"
        if problem:
            excluded = problem
        if not rows_per_beat or rows_per_bar % rows_per_beat:
            excluded = "no beat highlight"
        elif not 70.0 <= bpm[0] <= 200.0:
            # The highlight is an editing aid: a "beat" of two rows at 345 BPM is no listener's.
            excluded = excluded or "the highlight's beat would be %.0f BPM" % bpm[0]
        if median is None or abs(median) > MAX_MEDIAN_OFFSET or share < 0.5:
            excluded = excluded or "the onsets do not confirm the rows-per-beat grid"
        # The decoder lets the last row ring on for a moment; more than that is another song.
        if not 0.0 <= length - now <= 0.25:
            excluded = excluded or "ffmpeg plays %.2f s, the order list %.2f s" % (length, now)
        low, high = window_spread(beats, detected, 60.0 / bpm[-1]) if beats else (0.0, 0.0)
        if max(-low, high) > MAX_MEDIAN_OFFSET:
            excluded = excluded or "the audio's beat wanders off the rows' grid"
        position, ratio = bar_phase(wav, beats, bars, beats_per_bar) if bars else (0, 0.0)
        rows_out.append((name, "module", tempo_text(bpm), str(beats_per_bar), median, share,
                         excluded, 0.0, (low, high), (position, ratio)))
        if excluded:
            continue
        header = [("source", path), ("package", package_of(path)), ("kind", "module"),
                  ("tempo", tempo_text(bpm)), ("beats per bar", str(beats_per_bar)),
                  ("length", "%.6f" % length),
                  ("checked", checked_line(median, share, " ".join(ONSET_COMMAND))),
                  ("bars confirmed", bars_confirmed(position, ratio))]
        comments = ["grid: speed %s, tempo %s, so a row lasts 2.5 / tempo x speed s; a beat every "
                    "%d rows and a bar every %d (the module's highlight), from order 0 row 0%s" % (
                        "/".join(map(str, sorted(speeds))), "/".join(map(str, sorted(tempos))),
                        rows_per_beat, rows_per_bar,
                        "; its first row plays at speed %d tempo %d, so the grid starts at its "
                        "second beat" % states[0] if first_row_differs
                        else ""),
                    "steadiness: the medians of %d-s windows lie from %+.1f to %+.1f ms" % (
                        SPREAD_WINDOW, low * 1000, high * 1000),
                    "bar lines: " + bar_line(position, ratio)]
        if (rows_per_beat, rows_per_bar) == (4, 16):
            comments.append("the highlight is the editor's default 4/16, perhaps never chosen: a "
                            "listener may count every second beat, at half this tempo")
        write_truth(folder, name, header, beats, bars, comments)
    return rows_out


# ---------------------------------------------------------------- beatless

AMBIENT = ["ambi_choir", "ambi_drone", "ambi_glass_hum", "ambi_haunted_hum", "ambi_lunar_land",
           "ambi_piano", "ambi_sauna", "ambi_soft_buzz"]
SPEECH_FILES = ["Front_Center", "Front_Left", "Front_Right", "Rear_Center", "Rear_Left",
                "Rear_Right", "Side_Left", "Side_Right"]
SPEECH_PAUSE = 1.0
# Whole spoken passages of a telephone voice, a quarter of a minute to more than a minute long,
# not joined: speech as long as a song's stretch, with its own rhythm.
PASSAGES = "/usr/share/asterisk/sounds/en_US_f_Allison"
PASSAGE_FILES = ["basic-pbx-ivr-main", "conf-adminmenu", "conf-adminmenu-162", "conf-adminmenu-18",
                 "conf-adminmenu-menu8", "conf-usermenu", "conf-usermenu-162", "demo-abouttotry",
                 "demo-congrats", "demo-echotest", "demo-instruct", "demo-moreinfo",
                 "priv-callee-options", "screen-callee-options", "tt-monkeys", "vm-msginstruct",
                 "vm-options"]


def derive_beatless(folder, work):
    rows = []
    for name in AMBIENT:
        path = os.path.join(SAMPLES, name + ".flac")
        header = [("source", path), ("package", package_of(path)), ("kind", "beatless"),
                  ("tempo", "none"), ("beats per bar", "0"),
                  ("length", "%.6f" % duration(path))]
        write_truth(folder, name, header, [], [],
                    ["a sustained sound with no pulse; %.2f s long, not tiled" % duration(path)])
        rows.append((name, "beatless", "none", "-", None, 0.0, None, 0.0, None, None))
    paths = [os.path.join(SPEECH, name + ".wav") for name in SPEECH_FILES]
    header = [("source", " + ".join(paths)), ("package", package_of(paths[0])),
              ("kind", "beatless"), ("tempo", "none"), ("beats per bar", "0"),
              ("pause", "%.2f" % SPEECH_PAUSE)]
    total = sum(duration(p) for p in paths) + SPEECH_PAUSE * (len(paths) - 1)
    header.append(("length", "%.6f" % total))
    write_truth(folder, "alsa_speech", header, [], [],
                ["recorded voice, the files joined with %.2f s of silence between: %.1f s" % (
                    SPEECH_PAUSE, total)])
    rows.append(("alsa_speech", "beatless", "none", "-", None, 0.0, None, 0.0, None, None))
    for file in PASSAGE_FILES:
        path = os.path.join(PASSAGES, file + ".wav")
        name = "speech_" + file.replace("-", "_")
        header = [("source", path), ("package", package_of(path)), ("kind", "beatless"),
                  ("tempo", "none"), ("beats per bar", "0"),
                  ("length", "%.6f" % duration(path))]
        what = "monkeys calling" if file == "tt-monkeys" else "recorded voice, one passage"
        write_truth(folder, name, header, [], [],
                    ["%s; %.1f s long, not tiled" % (what, duration(path))])
        rows.append((name, "beatless", "none", "-", None, 0.0, None, 0.0, None, None))
    return rows


# ---------------------------------------------------------------- main

def main():
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else OUTPUT)
    os.makedirs(folder, exist_ok=True)
    for old in glob.glob(os.path.join(folder, "*.txt")):
        os.remove(old)
    rows = []
    with tempfile.TemporaryDirectory() as work:
        rows += derive_loops(folder, work)
        rows += derive_songs(folder, work)
        rows += derive_modules(folder, work)
        rows += derive_beatless(folder, work)
    print("| name | kind | tempo | beats per bar | median offset | beats with an onset within "
          "30 ms | offset applied | 20-s window medians | low band: strongest bar position, bar "
          "line vs others | excluded |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for name, kind, tempo, per_bar, median, share, excluded, offset, spread, phase in rows:
        print("| %s | %s | %s | %s | %s | %s | %s | %s | %s | %s |" % (
            name, kind, tempo, per_bar, "-" if median is None else "%+.1f ms" % (median * 1000),
            "-" if kind == "beatless" else "%.0f %%" % (share * 100),
            "%+.1f ms" % (offset * 1000) if offset else "-",
            "%+.1f..%+.1f ms" % (spread[0] * 1000, spread[1] * 1000) if spread else "-",
            "%d, %.2f x" % phase if phase else "-", excluded or ""))


if __name__ == "__main__":
    main()
