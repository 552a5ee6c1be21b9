inherited frmDuasAssinaturas: TfrmDuasAssinaturas
  object edtNome: TEdit
    OnExit = Tratador
  end
  object cdsDados: TClientDataSet
    AfterPost = Tratador
  end
end
