inherited frmClasseInexistente: TfrmClasseInexistente
  object edtNome: TEditar
  end
end
