inherited frmSemComponente: TfrmSemComponente
  object edtNome: TEdit
  end
end
