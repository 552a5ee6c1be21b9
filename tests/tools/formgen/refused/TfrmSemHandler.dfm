inherited frmSemHandler: TfrmSemHandler
  object edtNome: TEdit
    OnExit = edtNomeExit
  end
end
