inherited frmOutraAssinatura: TfrmOutraAssinatura
  object edtNome: TEdit
    OnExit = edtNomeExit
  end
end
