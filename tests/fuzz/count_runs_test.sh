#!/usr/bin/env bash
# Usage: count_runs_test.sh COUNT_RUNS
# Runs the execution counter of fuzz/run over small fake libFuzzer log sets and checks each total.
set -euo pipefail
count_runs=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0 passes=0

# The lines one libFuzzer process writes over a run that made $1 executions (no Done line when $1
# is "crash").
process_log() {
    cat <<LOG
INFO: Running with entropic power schedule (0xFF, 100).
INFO: Seed: 1234567
INFO:       41 files found in corpus
#2048	pulse  cov: 310 ft: 1205 corp: 41/2Kb lim: 64 exec/s: 1024 rss: 45Mb
#65536	pulse  cov: 312 ft: 1290 corp: 52/3Kb lim: 240 exec/s: 32768 rss: 48Mb
LOG
    if [[ $1 == crash ]]; then
        echo "==4242==ERROR: AddressSanitizer: heap-buffer-overflow on address 0x602000000011"
    else
        echo "#$1	DONE   cov: 312 ft: 1290 corp: 52/3Kb lim: 4096 exec/s: 33000 rss: 52Mb"
        echo "Done $1 runs in 60 second(s)"
    fi
}

# What the parent of a run with -jobs writes: the job's end, then a copy of its log.
job_end() { # job runs
    echo "================== Job $1 exited with exit code 0 ============"
    process_log "$2"
}

expect() { # name expected main_log [job_log...]
    local name=$1 expected=$2
    shift 2
    local got
    got=$("$count_runs" "$@") || got="exit status $?"
    if [[ "$got" == "$expected" ]]; then
        echo "ok   $name: $got"
        passes=$((passes + 1))
    else
        echo "FAIL $name: expected $expected, got $got"
        failures=$((failures + 1))
    fi
}

# One job: the main log is the only log.
process_log 3253559 >"$dir/single.log"
expect "one job" 3253559 "$dir/single.log" "$dir/no-such-dir/fuzz-*.log"

# Two jobs, both copied into the main log: each counted once, not again from its own file.
mkdir "$dir/two"
process_log 35024626 >"$dir/two/fuzz-0.log"
process_log 35024626 >"$dir/two/fuzz-1.log"
{ job_end 1 35024626; job_end 0 35024626; } >"$dir/two/main.log"
expect "two jobs, both copied" 70049252 "$dir/two/main.log" "$dir/two"/fuzz-*.log

# Twelve jobs (job numbers of two digits), all copied.
mkdir "$dir/twelve"
for job in $(seq 0 11); do
    process_log $((1000 + job)) >"$dir/twelve/fuzz-$job.log"
    job_end "$job" $((1000 + job)) >>"$dir/twelve/main.log"
done
expect "twelve jobs, all copied" 12066 "$dir/twelve/main.log" "$dir/twelve"/fuzz-*.log

# The parent was stopped after copying job 0 only: job 1 comes from its own file.
mkdir "$dir/stopped"
process_log 500 >"$dir/stopped/fuzz-0.log"
process_log 700 >"$dir/stopped/fuzz-1.log"
job_end 0 500 >"$dir/stopped/main.log"
expect "job 1 not copied" 1200 "$dir/stopped/main.log" "$dir/stopped"/fuzz-*.log

# A job that found a crash has no Done line; the other job still counts, once.
mkdir "$dir/crash"
process_log crash >"$dir/crash/fuzz-0.log"
process_log 900 >"$dir/crash/fuzz-1.log"
{
    echo "================== Job 0 exited with exit code 1 ============"
    process_log crash
    job_end 1 900
} >"$dir/crash/main.log"
expect "one job crashed" 900 "$dir/crash/main.log" "$dir/crash"/fuzz-*.log

# No log with a Done line at all.
process_log crash >"$dir/crashed.log"
expect "single job crashed" 0 "$dir/crashed.log"

# A log with bytes that are no text (a crash report's raw input, a file written over by another
# process) is still read as text.
{
    printf 'raw input: \x00\x01\xff\xfe\n'
    process_log 4242
} >"$dir/binary.log"
expect "bytes that are no text" 4242 "$dir/binary.log"

# Totals past 2^31.
{ job_end 0 2147483647; job_end 1 2147483647; } >"$dir/big.log"
expect "large totals" 4294967294 "$dir/big.log"

echo "$passes passed, $failures failed"
((failures == 0))
