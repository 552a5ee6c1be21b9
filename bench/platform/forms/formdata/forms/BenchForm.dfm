object frmBench: TBenchForm
  Caption = 'Tipo de Opera'#231#227'o por Filial'
  object panFilial: TBenchComponent
    Align = alTop
    OnExit = panFilialExit
    object medFilial: TBenchComponent
      EditMask = '>aaaa;0; '
      MaxLength = 4
      Font.Style = [fsBold]
    end
  end
  object qryFilial: TBenchComponent
    SQL_ORACLE.Strings = (
      'SELECT'
      '   A.CDFILIAL, A.NMFILIAL,'
      '   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,'
      '   A.CDSERIE'
      'FROM FILIAL A'
      'WHERE'
      '   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = '#39'T'#39')'
      'ORDER BY 1'
      ' '
      ' ')
  end
  object dbgPadrao: TBenchComponent
    Columns = <
      item
        FieldName = 'OPERACAO'
        Title.Caption = 'Tipo de Opera'#231#227'o'
      end
      item
        FieldName = 'IDLIBERADO'
        PickList.Strings = (
          'Sim'
          'N'#227'o')
      end>
  end
end
