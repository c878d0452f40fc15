#include "app/prepare/diagnostics_script.h"

namespace app::prepare {
namespace {

// Runs under `set -euo pipefail`, on machines that lack any of the probed tools:
// every probe sits in an `if` or ends in `|| true`, so a missing tool prints its
// MISSING line instead of ending the script.
const QString kBody = QStringLiteral(R"script(
HANDOFF_DIR="$SONG_DIR/Tunewright Setup"
HOME_DIR="${HOME:-}"

echo "Tunewright Setup diagnostics"
echo "Song folder: $SONG_DIR"
echo

PACKAGE_MANAGER_PATH=""
for PACKAGE_MANAGER in apt-get dnf pacman zypper; do
  if PACKAGE_MANAGER_PATH="$(command -v "$PACKAGE_MANAGER" 2>/dev/null)"; then
    break
  fi
  PACKAGE_MANAGER_PATH=""
done
if [ -n "$PACKAGE_MANAGER_PATH" ]; then
  echo "OK: Package manager -> $PACKAGE_MANAGER_PATH"
else
  echo "MISSING: Package manager"
fi

for BREW_BIN in /opt/homebrew/bin/brew /usr/local/bin/brew /home/linuxbrew/.linuxbrew/bin/brew; do
  if [ -x "$BREW_BIN" ]; then
    eval "$("$BREW_BIN" shellenv 2>/dev/null || true)" || true
    break
  fi
done

for TOOL in brew git ffmpeg ffprobe sox rubberband aubio python3.11; do
  if TOOL_PATH="$(command -v "$TOOL" 2>/dev/null)"; then
    echo "OK: $TOOL -> $TOOL_PATH"
  else
    echo "MISSING: $TOOL"
  fi
done

echo
echo "Codex check:"
CODEX_PATH=""
for CANDIDATE in /Applications/Codex.app/Contents/Resources/codex /opt/homebrew/bin/codex /usr/local/bin/codex; do
  if [ -f "$CANDIDATE" ] && [ -x "$CANDIDATE" ]; then
    CODEX_PATH="$CANDIDATE"
    break
  fi
done
if [ -z "$CODEX_PATH" ]; then
  CODEX_PATH="$(command -v codex 2>/dev/null || true)"
fi
if [ -n "$CODEX_PATH" ]; then
  echo "OK: codex -> $CODEX_PATH"
  "$CODEX_PATH" --version 2>&1 </dev/null || true
  if "$CODEX_PATH" login status 2>&1 </dev/null; then
    :
  else
    echo "MISSING: Codex login"
  fi
else
  echo "MISSING: codex"
fi
SKILL_FILE="$HOME_DIR/.codex/skills/velvetcut/SKILL.md"
if [ -f "$SKILL_FILE" ]; then
  echo "OK: velvetcut skill -> $SKILL_FILE"
else
  echo "MISSING: velvetcut skill"
fi

echo
echo "Basic audio Python package check:"
PYTHON_BIN=""
for AUDIO_ENV in "$HOME_DIR/Documents/Tunewright Setup/.brightloom-env" "$HOME_DIR/Documents/Velvetcut Setup/.brightloom-env" "$HANDOFF_DIR/.brightloom-env"; do
  if [ -d "$AUDIO_ENV" ]; then
    if [ -f "$AUDIO_ENV/bin/activate" ]; then
      set +u
      # shellcheck disable=SC1091
      . "$AUDIO_ENV/bin/activate" || true
      set -u
    fi
    if [ -x "$AUDIO_ENV/bin/python" ]; then
      PYTHON_BIN="$AUDIO_ENV/bin/python"
    fi
    break
  fi
done
if [ -z "$PYTHON_BIN" ]; then
  PYTHON_BIN="$(command -v python3 2>/dev/null || true)"
fi
BASIC_PACKAGES="numpy scipy librosa soundfile pydub mutagen pyloudnorm"
if [ -n "$PYTHON_BIN" ]; then
  "$PYTHON_BIN" - $BASIC_PACKAGES <<'PY' 2>&1 || true
import importlib
import sys

for name in sys.argv[1:]:
    try:
        importlib.import_module(name)
        print("OK: " + name)
    except Exception as error:
        print("MISSING: " + name + " (" + " ".join(str(error).split()) + ")")
PY
else
  for PACKAGE in $BASIC_PACKAGES; do
    echo "MISSING: $PACKAGE (python3 not found)"
  done
fi

echo
echo "Music AI analysis package check:"
MUSIC_AI_ENV="$HOME_DIR/Documents/Tunewright Setup/.music-ai-env"
MUSIC_AI_PYTHON="$MUSIC_AI_ENV/bin/python"
if [ -x "$MUSIC_AI_PYTHON" ]; then
  "$MUSIC_AI_PYTHON" - <<'PY' 2>&1 || true
import importlib

packages = [
    ("torch", "PyTorch"),
    ("torchaudio", "Torchaudio"),
    ("torchcodec", "TorchCodec"),
    ("demucs", "Demucs"),
    ("whisper", "Whisper"),
    ("essentia", "Essentia"),
    ("librosa", "Librosa"),
    ("madmom", "Madmom"),
    ("allin1", "All-In-One"),
]
for name, label in packages:
    try:
        module = importlib.import_module(name)
        version = getattr(module, "__version__", None) or "installed"
        print("OK: " + label + " (" + str(version) + ")")
    except Exception as error:
        print("MISSING: " + label + " (" + " ".join(str(error).split()) + ")")
PY
  for TOOL in allin1 demucs whisper; do
    if [ -x "$MUSIC_AI_ENV/bin/$TOOL" ]; then
      echo "OK: $TOOL command -> $MUSIC_AI_ENV/bin/$TOOL"
    elif TOOL_PATH="$(command -v "$TOOL" 2>/dev/null)"; then
      echo "OK: $TOOL command -> $TOOL_PATH"
    else
      echo "MISSING: $TOOL command"
    fi
  done
else
  echo "MISSING: $MUSIC_AI_PYTHON"
fi

echo
echo "Audio files:"
for AUDIO_FILE in "$SONG_DIR"/*; do
  if [ ! -f "$AUDIO_FILE" ]; then
    continue
  fi
  FILE_NAME="${AUDIO_FILE##*/}"
  LOWER_NAME="$(printf '%s' "$FILE_NAME" | tr '[:upper:]' '[:lower:]')"
  case "$LOWER_NAME" in
    *.mp3|*.wav|*.aif|*.aiff|*.m4a|*.flac|*.aac)
      echo
      echo "FILE: $FILE_NAME"
      if command -v ffprobe >/dev/null 2>&1; then
        ffprobe -v error -show_entries format=duration,format_name:stream=codec_name,codec_type,sample_rate,channels -of default=noprint_wrappers=1 -i "$AUDIO_FILE" 2>/dev/null </dev/null || true
      fi
      ;;
  esac
done
)script");

}  // namespace

QString bashDoubleQuotedContent(const QString& text) {
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"') || c == QLatin1Char('$') ||
            c == QLatin1Char('`')) {
            escaped.append(QLatin1Char('\\'));
        }
        escaped.append(c);
    }
    return escaped;
}

QString diagnosticsScript(const QString& songFolder) {
    return QStringLiteral("#!/usr/bin/env bash\nset -euo pipefail\n\nSONG_DIR=\"") +
           bashDoubleQuotedContent(songFolder) + QLatin1Char('"') + kBody;
}

}  // namespace app::prepare
