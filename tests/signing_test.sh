#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Velmora-Projekt
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Signing a Windows executable leaves its password on no disk, whether the
# signing succeeds or fails: scripts/sign-windows with a fake signer, which
# checks that the password reaches it and signs by appending a mark.
#   signing_test.sh <scripts folder>
set -euo pipefail
sign=$1/sign-windows
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cat >"$work/signer" <<'SIGNER'
#!/usr/bin/env bash
# osslsigncode's arguments: sign -pkcs12 F -readpass F ... -in F -out F
set -euo pipefail
while [ $# -gt 0 ]; do
    case $1 in
    -readpass) password=$(cat "$2"); shift ;;
    -in) in=$2; shift ;;
    -out) out=$2; shift ;;
    esac
    shift
done
[ "$password" = "$EXPECTED_PASSWORD" ] || { echo "wrong password" >&2; exit 3; }
[ "${FAKE_SIGNER_FAILS:-}" != 1 ] || exit 4
{ cat "$in"; printf 'signed'; } >"$out"
SIGNER
chmod +x "$work/signer"

password="velmora-test-$RANDOM$RANDOM$RANDOM"
export VELMORA_SIGNER=$work/signer VELMORA_SIGN_PFX=$work/cert.pfx EXPECTED_PASSWORD=$password
export VELMORA_SIGN_PASSWORD=$password TMPDIR=$work/tmp
unset VELMORA_SIGN_PASSWORD_FILE
mkdir -p "$TMPDIR" "$work/out"
touch "$work/cert.pfx" "$work/start"

# No file written since the start, in the work folder or the temporary
# folders, holds the password.
no_password_left() { # case
    local left
    left=$(find "$work" /tmp /var/tmp -xdev -type f -newer "$work/start" -size -1024k \
        -exec grep -lF -- "$password" {} + 2>/dev/null | sort -u || true)
    [ -z "$left" ] || fail "$1: the password stays in $left"
}

printf 'MZ exe' >"$work/out/a.exe"
printf 'MZ installer' >"$work/out/b.exe"
"$sign" "$work/out/a.exe" "$work/out/b.exe" >"$work/log" 2>&1 || { cat "$work/log"; fail "signing failed"; }
[ "$(cat "$work/out/a.exe")" = "MZ exesigned" ] && [ "$(cat "$work/out/b.exe")" = "MZ installersigned" ] ||
    fail "the files are not signed in place"
no_password_left "signed"
echo "signed two files; no file holds the password"

printf 'MZ exe' >"$work/out/a.exe"
if FAKE_SIGNER_FAILS=1 "$sign" "$work/out/a.exe" >"$work/log" 2>&1; then
    fail "a failed signing did not fail"
fi
grep -q "FAIL: signing $work/out/a.exe" "$work/log" || fail "a failed signing does not say so"
[ ! -e "$work/out/a.exe.signed" ] || fail "a failed signing leaves a.exe.signed"
[ "$(cat "$work/out/a.exe")" = "MZ exe" ] || fail "a failed signing changed the file"
no_password_left "failed"
echo "a failed signing fails; no file holds the password"
