// Single-value queries and year lists over 100,000 invoices with 1,000,000 items.
#include <benchmark/benchmark.h>

#include "app/db/DataSet.h"
#include "bench/ProgramSDaty.h"

static void BM_PocetFakturRoku(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) benchmark::DoNotOptimize(okno.PocetFakturRoku(2020));
}
BENCHMARK(BM_PocetFakturRoku)->Unit(benchmark::kMillisecond);

static void BM_PosledniCisloRoku(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) benchmark::DoNotOptimize(okno.PosledniCisloRoku(2020));
}
BENCHMARK(BM_PosledniCisloRoku)->Unit(benchmark::kMillisecond);

static void BM_SeznamRoku(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) benchmark::DoNotOptimize(okno.SeznamRoku());
}
BENCHMARK(BM_SeznamRoku)->Unit(benchmark::kMillisecond);

static void BM_TriSoucty(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) {
    benchmark::DoNotOptimize(okno.SoucetPolozek(54321, "CenaBezDPH"));
    benchmark::DoNotOptimize(okno.SoucetPolozek(54321, "DPH"));
    benchmark::DoNotOptimize(okno.SoucetPolozek(54321, "CenaCelkem"));
  }
}
BENCHMARK(BM_TriSoucty)->Unit(benchmark::kMillisecond);

// The rows the open-invoice list reads for a year of 10,000 invoices.
static void BM_FakturyRoku(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) {
    db::DataSet d(okno.ADOConnection1);
    d.nastavSql("SELECT * FROM Faktura WHERE LEFT(RIGHT(Cislo, 8), 4) = ? ORDER BY Id", {"2020"});
    d.otevri();
    benchmark::DoNotOptimize(d.pocetRadku());
  }
}
BENCHMARK(BM_FakturyRoku)->Unit(benchmark::kMillisecond);
