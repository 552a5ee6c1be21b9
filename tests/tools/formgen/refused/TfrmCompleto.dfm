inherited frmCompleto: TfrmCompleto
  OnCreate = FormCreate
  object edtNome: TEdit
    OnExit = edtNomeExit
  end
  object cdsDados: TClientDataSet
    AfterPost = cdsDadosAfterPost
  end
end
