# SPDX-FileCopyrightText: 2026 The Pellucor developers
#
# SPDX-License-Identifier: MIT

# Runs one fuzzer for a bounded time from a fresh working corpus, seeded by the checked-in one,
# so a run never writes into the source tree and every run starts alike.
# Variables: FUZZER, SEEDS, WORK, SECONDS, RUNS, MAX_LEN, DICT (optional).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus" "${WORK}/artifacts")

set(args -seed=1 -max_total_time=${SECONDS} -runs=${RUNS} -max_len=${MAX_LEN} -print_final_stats=1
    -artifact_prefix=${WORK}/artifacts/)
if(DICT)
  list(APPEND args -dict=${DICT})
endif()

execute_process(COMMAND "${FUZZER}" ${args} "${WORK}/corpus" "${SEEDS}"
  RESULT_VARIABLE rc ERROR_VARIABLE log OUTPUT_VARIABLE out)
file(WRITE "${WORK}/fuzz.log" "${out}${log}")

string(REGEX MATCH "stat::number_of_executed_units: *[0-9]+" executed "${log}")
string(REGEX MATCH "[0-9]+$" executed "${executed}")
string(REGEX MATCH "stat::new_units_added: *[0-9]+" added "${log}")
string(REGEX MATCH "[0-9]+$" added "${added}")
string(REGEX MATCH "outcomes: [^\n]*" outcomes "${log}")
get_filename_component(name "${FUZZER}" NAME)
file(WRITE "${WORK}/summary.txt" "${name}: ${executed} executions in at most ${SECONDS} s, ${added} new inputs\n")
if(outcomes)
  file(APPEND "${WORK}/summary.txt" "  ${outcomes}\n")
endif()

if(NOT rc EQUAL 0)
  message("${log}")
  message(FATAL_ERROR "${name} failed (exit ${rc}); the input that broke it is in ${WORK}/artifacts")
endif()
message("${name}: ${executed} executions, ${added} new inputs")
