#!/bin/sh
# Runs `ruvo-slip numtext` on typical inputs and compares each stored value.
# Usage: cmd_numtext_test.sh PATH_TO_RUVO_SLIP
set -u
slip=$1
failures=0

# check NAME INPUT EXPECTED_OUTPUT [OPTIONS...]; the shell drops trailing
# empty lines of the output, so no case ends with an empty value.
check() {
  name=$1
  input=$2
  expected=$3
  shift 3
  actual=$(printf '%b' "$input" | "$slip" numtext "$@")
  if [ "$actual" != "$expected" ]; then
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$name" "$expected" "$actual"
    failures=$((failures + 1))
  fi
}

check "full-width digits, comma and point; decimals cut" \
  '１２３\n１，２３４．５６７８\n' '123
1234.567'
check "the valid front of a line" ',-5\n12a34\n1.2.3\n5-\n' '
12
1.2
5'
check "leading zeros, CRLF line ends" '007\r\n.5\r\n-.5\r\n000\r\n' '7
0.5
-0.5
0'
check "nine integer digits and one past them" '123456789\n1234567890\n-123456789\n' '123456789

-123456789'
check "limits apply before the zeros are stripped" '0001\n001\n' '
1' --integer-length 3
check "no minus, no decimals" '-5\n12.5\n' '
12' --no-minus --decimal-length 0
check "zeros kept" '007\n' '007' --zero-enabled

if printf '1\n' | "$slip" numtext --integer-length -1 >/dev/null 2>&1; then
  echo "FAIL a negative length is a usage error"
  failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures case(s) failed"
  exit 1
fi
echo "all numtext cases passed"
