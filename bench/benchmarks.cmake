# Every benchmark the README names, run once with small counts under the label `bench`, so that
# one that no longer ends is seen as a failure: `./test.sh -L bench` (./test.sh alone leaves
# them out). They judge no figure. Each runs alone: several build into the same folders, and
# their figures mean something only on a quiet machine. An instrumented build's timings mean
# nothing, and the latency benchmark links the plain libraries: none there.
if(NOT SANITIZE)
  set(bench ${PROJECT_SOURCE_DIR}/bench)
  # Each in a home of its own.
  set(run ${bench}/home.sh)
  add_test(NAME bench.startup.jeu COMMAND ${run} ${bench}/startup.sh ${TEMPEL_APP_DIR}/Tempeljeu 1)
  add_test(NAME bench.startup.gestion
    COMMAND ${run} ${bench}/startup.sh ${TEMPEL_APP_DIR}/Tempelgestion 1)
  add_test(NAME bench.startup.crea
    COMMAND ${run} ${bench}/startup.sh ${TEMPEL_APP_DIR}/Tempelcrea 1)
  add_test(NAME bench.editor COMMAND ${run} ${bench}/editor.sh 1)
  add_test(NAME bench.quiz.question COMMAND ${run} $<TARGET_FILE:bench_question> 1)
  add_test(NAME bench.quiz.cpu COMMAND ${run} ${bench}/quiz/cpu.sh ${CMAKE_BINARY_DIR} 2)
  add_test(NAME bench.latency COMMAND ${run} ${bench}/latency.sh 2 10)
  add_test(NAME bench.questions COMMAND ${run} ${bench}/questions.sh 3)
  add_test(NAME bench.game COMMAND ${run} ${bench}/game.sh 1)
  set_tests_properties(bench.startup.jeu bench.startup.gestion bench.startup.crea bench.editor
    bench.quiz.question bench.quiz.cpu bench.latency bench.questions bench.game
    PROPERTIES LABELS bench RUN_SERIAL TRUE TIMEOUT 300 ENVIRONMENT BUILD_DIR=${CMAKE_BINARY_DIR})
endif()
