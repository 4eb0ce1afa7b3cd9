# Every benchmark the README names, run once with small counts under the label `bench`, so that
# one that no longer ends is seen as a failure: `./test.sh -L bench` (./test.sh alone leaves
# them out). They judge no figure. Each runs alone: several build into the same folders, and
# their figures mean something only on a quiet machine. An instrumented build's timings mean
# nothing, and the latency benchmark links the plain libraries: none there.
if(NOT SANITIZE)
  set(bench ${PROJECT_SOURCE_DIR}/bench)
  # The programs run from a program folder of the benchmarks' own, laid out afresh from the
  # build's products and delivered files, never from the user's. The scripts that copy a
  # program folder take it as <build folder>/app: this folder stands for the build there.
  set(benchbuild ${CMAKE_BINARY_DIR}/bench/programfolder)
  set(benchapp ${benchbuild}/app)
  add_test(NAME bench.programfolder
    COMMAND sh -c [[rm -rf "$0" && mkdir -p "$0" && cp -r "$1/." "$2/." "$0"]]
            ${benchapp} ${TEMPEL_PRODUCTS_DIR} ${TEMPEL_DELIVERED_DIR})
  set_tests_properties(bench.programfolder PROPERTIES FIXTURES_SETUP benchprogramfolder)
  # Each in a home of its own.
  set(run ${bench}/home.sh)
  add_test(NAME bench.startup.jeu COMMAND ${run} ${bench}/startup.sh ${benchapp}/Tempeljeu 1)
  add_test(NAME bench.startup.gestion COMMAND ${run} ${bench}/startup.sh ${benchapp}/Tempelgestion 1)
  add_test(NAME bench.startup.crea COMMAND ${run} ${bench}/startup.sh ${benchapp}/Tempelcrea 1)
  add_test(NAME bench.editor COMMAND ${run} ${bench}/editor.sh 1)
  add_test(NAME bench.quiz.question COMMAND ${run} $<TARGET_FILE:bench_question> 1)
  add_test(NAME bench.quiz.cpu COMMAND ${run} ${bench}/quiz/cpu.sh ${benchbuild} 2)
  add_test(NAME bench.latency COMMAND ${run} ${bench}/latency.sh 2 10)
  add_test(NAME bench.questions COMMAND ${run} ${bench}/questions.sh 3)
  add_test(NAME bench.game COMMAND ${run} ${bench}/game.sh 1)
  set(benches bench.startup.jeu bench.startup.gestion bench.startup.crea bench.editor
    bench.quiz.question bench.quiz.cpu bench.latency bench.questions bench.game)
  set_tests_properties(bench.programfolder ${benches} PROPERTIES LABELS bench RUN_SERIAL TRUE
    TIMEOUT 300 ENVIRONMENT BUILD_DIR=${CMAKE_BINARY_DIR})
  set_tests_properties(bench.startup.jeu bench.startup.gestion bench.startup.crea bench.quiz.cpu
    bench.questions PROPERTIES FIXTURES_REQUIRED benchprogramfolder)
  set_tests_properties(bench.questions PROPERTIES ENVIRONMENT BUILD_DIR=${benchbuild})
endif()
