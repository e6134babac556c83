# Shared by the shell tests: a scratch folder removed at exit, and check(),
# one assertion each, counted for the closing line.
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
passed=0
failed=0

check() {
    # check NAME COMMAND...: one assertion
    name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name" >&2
    fi
}

# The closing line, and the exit status of the test.
report() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
