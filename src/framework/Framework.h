#pragma once
// framework: the host framework services the screens stand on, shared by the host and the
// module as one shared library (one application object, one settings store, one database).
//
//   Base forms        TfrmRotiGeral, TfrmPadrImportExport (BaseScreenForm: the protocol by
//                     which a screen loads the base's form data and its own as one load)
//   Components        TMessages (msgPadrao), TButtonFlat, TBtnPesquisa
//   Checks            MensErro, CheckResultServ (EServerResult), EmptyString, Ajusta
//   Lookups           Pesquisar, PesquisaLista, IndiceCol
//   Display           PictPess, ActiveShowAvi / DeactiveShowAvi (ShowAviScope)
//   Host              HostSettings (ModuFili, FiliProc, NomeFiliProc, WebURL, WebPort),
//                     TdtmDBGeral (the company database behind every query)
//
// Invariants:
//   - nothing here shows anything itself: messages, lookups and the progress animation go
//     through the application's IDialogService, so the same code runs under Qt and scripted;
//   - a check that has told the person what is wrong ends with a silent EAbort (MensErro,
//     CheckResultServ), so the dispatch boundary adds nothing;
//   - the lookup and toolbar buttons are graphic controls: clicking them runs no OnExit;
//   - QtCore only: no QtGui, no QtWidgets.

#include "framework/BaseScreenForm.h"
#include "framework/CheckResultServ.h"
#include "framework/CodeFunctions.h"
#include "framework/FrameworkExceptions.h"
#include "framework/HostSettings.h"
#include "framework/IndiceCol.h"
#include "framework/Lookup.h"
#include "framework/MensErro.h"
#include "framework/ShowAvi.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "framework/TMessages.h"
#include "framework/TdtmDBGeral.h"
#include "framework/TfrmPadrImportExport.h"
#include "framework/TfrmRotiGeral.h"
