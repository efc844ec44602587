// What a user waits for: the open-invoice list of a full year, and creating an invoice.
#include <benchmark/benchmark.h>

#include <QTreeWidget>

#include "app/db/DataSet.h"
#include "bench/ProgramSDaty.h"
#include "common/Pomocne.h"
#include "invoices/Otevrit_f.h"

static void BM_SeznamOtevritFakturu(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  for (auto _ : stav) {
    TOtevrit dialog(&okno, *okno.ADODataSet_Funkce);
    dialog.NaplnSeznam(2020, {});
    benchmark::DoNotOptimize(dialog.findChild<QTreeWidget*>("ListView1")->topLevelItemCount());
  }
}
BENCHMARK(BM_SeznamOtevritFakturu)->Unit(benchmark::kMillisecond);

// Proposal, duplicate check, insert and loading the new invoice, then closing it again.
static void BM_ZalozeniFaktury(benchmark::State& stav) {
  THlavni& okno = ProgramSDaty();
  const int rok = 2026;
  for (auto _ : stav) {
    const QString posledni = okno.PosledniCisloRoku(rok).right(4);
    const QString cislo = "BM" + QString::number(rok) + DoplnNulami(QString::number(posledni.toInt() + 1), 4, 2);
    if (okno.ExistujeCislo(cislo) || !okno.VlozFakturu(cislo, "PP", "CZK", 14)) {
      stav.SkipWithError("invoice not created");
      break;
    }
    okno.ZobrazFakturu(okno.PosledniIdFaktury(), true);
    stav.PauseTiming();
    okno.ZobrazFakturu(-1, false);
    stav.ResumeTiming();
  }
}
BENCHMARK(BM_ZalozeniFaktury)->Unit(benchmark::kMillisecond)->Iterations(100);
