inherited frmEventoInexistente: TfrmEventoInexistente
  object lblNome: TLabel
    OnExit = lblNomeExit
  end
end
